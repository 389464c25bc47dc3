// The four entry points of an in-process COM server (exported undecorated by Flexolo.def).
#include <windows.h>

#include <new>

#include "FlexoloDispatch.h"
#include "com/ClassFactory.h"
#include "com/OHLinkControl.h"
#include "com/OmxFlexoloControl.h"
#include "com/Registration.h"

using namespace tavimo::flexolo::com;

STDAPI DllGetClassObject(REFCLSID id, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  IClassFactory* factory = nullptr;
  if (id == CLSID_omxFlexolo)
    factory = new (std::nothrow) ClassFactory<OmxFlexoloControl>;
  else if (id == CLSID_OHLink)
    factory = new (std::nothrow) ClassFactory<OHLinkControl>;
  else
    return CLASS_E_CLASSNOTAVAILABLE;
  if (!factory) return E_OUTOFMEMORY;
  factory->AddRef();
  HRESULT result = factory->QueryInterface(iid, out);
  factory->Release();
  return result;
}

STDAPI DllCanUnloadNow() { return moduleInUse() ? S_FALSE : S_OK; }

STDAPI DllRegisterServer() { return registerClasses(); }

STDAPI DllUnregisterServer() { return unregisterClasses(); }
