// The one record of what the game asked of the platform: every stand-in appends a line
// per call, "Name(arg, arg, ...)", so tests can hold the game to exact call orders across
// services (window, device, sound, music, input). The constants in them read as names
// (call_names.h).
#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace fake {

void Record(std::string call);
const std::vector<std::string>& Calls();
void ClearCalls();

// Calls whose line starts with the prefix, in order.
std::vector<std::string> CallsStartingWith(const std::string& prefix);

// An argument written as 0x hexadecimal with capital digits: colours, keys, bits with no name.
struct Hex {
    uint64_t value;
};
// An argument written as it is, unquoted: the label of an object ("device", "tex3") or a
// group made by Fields.
struct Label {
    std::string text;
};

namespace detail {
void AppendArg(std::ostringstream& out, const char* text);
void AppendArg(std::ostringstream& out, const std::string& text);
void AppendArg(std::ostringstream& out, float value);
void AppendArg(std::ostringstream& out, double value);
void AppendArg(std::ostringstream& out, const void* pointer);
void AppendArg(std::ostringstream& out, std::nullptr_t);
void AppendArg(std::ostringstream& out, Hex value);
void AppendArg(std::ostringstream& out, const Label& label);
template <class T>
void AppendArg(std::ostringstream& out, T* pointer)
{
    AppendArg(out, static_cast<const void*>(pointer));  // handles and objects: only null or not
}
template <class T>
void AppendArg(std::ostringstream& out, const T& value)
{
    out << +value;  // integers, with bytes as numbers
}

template <class... Args>
void AppendArgs(std::ostringstream& out, const Args&... args)
{
    bool first = true;
    ((out << (first ? "" : ", "), AppendArg(out, args), first = false), ...);
}
}  // namespace detail

// "Name(a, b, c)": strings quoted, null pointers as null, other pointers as ptr.
template <class... Args>
std::string Call(const char* name, const Args&... args)
{
    std::ostringstream out;
    out << name << '(';
    detail::AppendArgs(out, args...);
    out << ')';
    return out.str();
}

// "{a, b, c}" as one argument of a call: the fields of a record, a rectangle, a vector.
template <class... Args>
Label Fields(const Args&... args)
{
    std::ostringstream out;
    out << '{';
    detail::AppendArgs(out, args...);
    out << '}';
    return Label{out.str()};
}

}  // namespace fake
