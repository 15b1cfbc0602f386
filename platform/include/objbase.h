// CoInitialize, CoCreateInstance and CoUninitialize over a table of the classes this
// layer provides. A platform library registers its classes; tests may register stand-ins.
#pragma once

#include <functional>

#include "unknwn.h"

#define CLSCTX_INPROC_SERVER 0x1
#define CLSCTX_INPROC_HANDLER 0x2
#define CLSCTX_INPROC (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER)
#define CLSCTX_ALL 0x17

#define REGDB_E_CLASSNOTREG ((HRESULT)0x80040154L)
#define CLASS_E_NOAGGREGATION ((HRESULT)0x80040110L)

HRESULT CoInitialize(LPVOID reserved);
void CoUninitialize();
HRESULT CoCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD context, REFIID iid, LPVOID* object);

namespace com {

// Makes a new object of one class and hands out the interface asked for.
using ClassFactory = std::function<HRESULT(REFIID iid, void** object)>;

// Replaces any factory registered before for the class.
void RegisterFactory(const CLSID& clsid, ClassFactory factory);
void UnregisterAllClasses();
// How many CoInitialize calls have not yet been matched by CoUninitialize.
int InitializeCount();

}  // namespace com
