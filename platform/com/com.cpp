// The class table behind CoCreateInstance.
#include "objbase.h"

#include <vector>

namespace {

struct ClassEntry {
    CLSID clsid;
    com::ClassFactory factory;
};

std::vector<ClassEntry>& Classes()
{
    static std::vector<ClassEntry> classes;
    return classes;
}

int g_initializeCount = 0;

}  // namespace

HRESULT CoInitialize(LPVOID)
{
    // The first call answers S_OK, later ones S_FALSE, as on Windows.
    return g_initializeCount++ == 0 ? S_OK : S_FALSE;
}

void CoUninitialize()
{
    if (g_initializeCount > 0) --g_initializeCount;
}

HRESULT CoCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD, REFIID iid, LPVOID* object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    for (const ClassEntry& entry : Classes()) {
        if (entry.clsid == clsid) return entry.factory(iid, object);
    }
    return REGDB_E_CLASSNOTREG;
}

namespace com {

void RegisterFactory(const CLSID& clsid, ClassFactory factory)
{
    for (ClassEntry& entry : Classes()) {
        if (entry.clsid == clsid) {
            entry.factory = std::move(factory);
            return;
        }
    }
    Classes().push_back({clsid, std::move(factory)});
}

void UnregisterAllClasses() { Classes().clear(); }

int InitializeCount() { return g_initializeCount; }

}  // namespace com
