// The one record of what the game asked of the platform: every stand-in appends a line
// per call, "Name(arg, arg, ...)", so tests can hold the game to exact call orders across
// services (window, device, sound, music, input).
#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace fake {

void Record(std::string call);
const std::vector<std::string>& Calls();
void ClearCalls();

// Calls whose line starts with the prefix, in order.
std::vector<std::string> CallsStartingWith(const std::string& prefix);

namespace detail {
void AppendArg(std::ostringstream& out, const char* text);
void AppendArg(std::ostringstream& out, const std::string& text);
void AppendArg(std::ostringstream& out, float value);
void AppendArg(std::ostringstream& out, double value);
void AppendArg(std::ostringstream& out, const void* pointer);
void AppendArg(std::ostringstream& out, std::nullptr_t);
template <class T>
void AppendArg(std::ostringstream& out, const T& value)
{
    out << +value;  // integers, with bytes as numbers
}
}  // namespace detail

// "Name(a, b, c)": strings quoted, null pointers as null, other pointers as ptr.
template <class... Args>
std::string Call(const char* name, const Args&... args)
{
    std::ostringstream out;
    out << name << '(';
    bool first = true;
    ((out << (first ? "" : ", "), detail::AppendArg(out, args), first = false), ...);
    out << ')';
    return out.str();
}

}  // namespace fake
