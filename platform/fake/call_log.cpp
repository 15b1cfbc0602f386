// The shared call record of the stand-ins.
#include "call_log.h"

namespace fake {

namespace {
std::vector<std::string>& Log()
{
    static std::vector<std::string> log;
    return log;
}
}  // namespace

void Record(std::string call) { Log().push_back(std::move(call)); }
const std::vector<std::string>& Calls() { return Log(); }
void ClearCalls() { Log().clear(); }

std::vector<std::string> CallsStartingWith(const std::string& prefix)
{
    std::vector<std::string> found;
    for (const std::string& call : Log()) {
        if (call.compare(0, prefix.size(), prefix) == 0) found.push_back(call);
    }
    return found;
}

namespace detail {

void AppendArg(std::ostringstream& out, const char* text)
{
    if (text)
        out << '"' << text << '"';
    else
        out << "null";
}
void AppendArg(std::ostringstream& out, const std::string& text) { out << '"' << text << '"'; }
void AppendArg(std::ostringstream& out, float value) { out << value; }
void AppendArg(std::ostringstream& out, double value) { out << value; }
void AppendArg(std::ostringstream& out, const void* pointer) { out << (pointer ? "ptr" : "null"); }
void AppendArg(std::ostringstream& out, std::nullptr_t) { out << "null"; }
void AppendArg(std::ostringstream& out, Hex value)
{
    out << "0x" << std::uppercase << std::hex << value.value << std::dec << std::nouppercase;
}
void AppendArg(std::ostringstream& out, const Label& label) { out << label.text; }

}  // namespace detail
}  // namespace fake
