// Stable names for the textures and buffers in the call record.
#include <map>

#include "fake_d3d9_state.h"

namespace fake {

namespace {
struct Labels {
    std::map<const void*, std::string> names;
    std::map<std::string, int> counts;  // per prefix
};
Labels& TheLabels()
{
    static Labels labels;
    return labels;
}

// The label of an object, given on first sight.
std::string ObjectLabel(const void* object, const char* prefix)
{
    if (!object) return "null";
    Labels& labels = TheLabels();
    auto found = labels.names.find(object);
    if (found != labels.names.end()) return found->second;
    std::string label = prefix + std::to_string(++labels.counts[prefix]);
    labels.names[object] = label;
    return label;
}

}  // namespace

std::string TextureLabel(const IDirect3DBaseTexture9* texture) { return ObjectLabel(texture, "tex"); }

void NameTexture(const IDirect3DBaseTexture9* texture, const std::string& name)
{
    if (texture) TheLabels().names[texture] = name;
}

namespace d3d {

std::string BufferLabel(const IDirect3DVertexBuffer9* buffer) { return ObjectLabel(buffer, "vb"); }
std::string BufferLabel(const IDirect3DIndexBuffer9* buffer) { return ObjectLabel(buffer, "ib"); }

void ForgetLabel(const void* object) { TheLabels().names.erase(object); }

void ForgetLabels() { TheLabels() = {}; }

}  // namespace d3d
}  // namespace fake
