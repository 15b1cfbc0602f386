// A .x file as a tree of data objects: the header and the encoding are dealt with here,
// templates are skipped, and each object keeps its numbers and strings in file order with
// the separators dropped, so that every encoding and every exporter's punctuation gives
// the same tree.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace d3dx9::xfile {

struct XObject {
    std::string type;              // template name as written, such as "Mesh"
    std::string name;              // empty when unnamed; for a reference, the name referred to
    bool reference = false;        // "{ Name }" standing in for an object defined elsewhere
    std::vector<double> numbers;   // the object's own numbers, integers and floats alike
    std::vector<std::string> strings;
    std::vector<XObject> children; // nested objects and references, in file order
};

struct XDocument {
    std::vector<XObject> objects;  // the top-level data objects
};

// Files, and inflated bodies, above this size are refused.
constexpr size_t kMaxXFileBytes = 64u << 20;
// Objects nested deeper than this are refused.
constexpr int kMaxXDepth = 128;

// Reads a whole file: "xof " header, then a text, binary or MSZIP-compressed body with 32-
// or 64-bit floats. Returns false with a reason.
bool ParseXFile(std::span<const uint8_t> file, XDocument& document, std::string& error);

}  // namespace d3dx9::xfile
