#include "com/DispatchTable.h"

#include <wrl/client.h>

#include <cwchar>

using Microsoft::WRL::ComPtr;

namespace tavimo::flexolo::com {
namespace {

// {DF5AE09C-FAA2-494D-A333-C5BE90248AEE}: the library built in memory for the descriptions.
constexpr GUID typeLibraryId = {
    0xdf5ae09c, 0xfaa2, 0x494d, {0xa3, 0x33, 0xc5, 0xbe, 0x90, 0x24, 0x8a, 0xee}};

}  // namespace

HRESULT DispatchTable::idsOfNames(LPOLESTR* names, UINT count, DISPID* ids) const {
  if (!names || !ids) return E_POINTER;
  if (count == 0) return S_OK;
  HRESULT result = S_OK;
  ids[0] = DISPID_UNKNOWN;
  for (const DispatchMember& member : members_) {
    if (names[0] && _wcsicmp(names[0], member.name) == 0) {
      ids[0] = member.id;
      break;
    }
  }
  if (ids[0] == DISPID_UNKNOWN) result = DISP_E_UNKNOWNNAME;
  for (UINT i = 1; i < count; ++i) {
    ids[i] = DISPID_UNKNOWN;
    result = DISP_E_UNKNOWNNAME;
  }
  return result;
}

HRESULT DispatchTable::createTypeInfo(ITypeInfo** out) const {
  if (!out) return E_POINTER;
  *out = nullptr;
  ComPtr<ICreateTypeLib2> library;
  HRESULT hr = CreateTypeLib2(SYS_WIN64, L"Flexolo.tlb", library.GetAddressOf());
  if (FAILED(hr)) return hr;
  library->SetGuid(typeLibraryId);
  library->SetName(const_cast<LPOLESTR>(L"Flexolo"));
  ComPtr<ICreateTypeInfo> info;
  hr = library->CreateTypeInfo(const_cast<LPOLESTR>(interfaceName_), TKIND_DISPATCH,
                               info.GetAddressOf());
  if (FAILED(hr)) return hr;
  info->SetGuid(iid_);

  UINT position = 0;
  for (const DispatchMember& member : members_) {
    std::vector<ELEMDESC> params(member.params.size());
    std::vector<LPOLESTR> names{const_cast<LPOLESTR>(member.name)};
    for (std::size_t i = 0; i < member.params.size(); ++i) {
      params[i].tdesc.vt = member.params[i].type;
      params[i].paramdesc.wParamFlags = PARAMFLAG_FIN;
      names.push_back(const_cast<LPOLESTR>(member.params[i].name));
    }
    FUNCDESC function{};
    function.memid = member.id;
    function.funckind = FUNC_DISPATCH;
    function.invkind = member.kind;
    function.callconv = CC_STDCALL;
    function.cParams = static_cast<SHORT>(params.size());
    function.lprgelemdescParam = params.empty() ? nullptr : params.data();
    function.elemdescFunc.tdesc.vt = member.result == VT_EMPTY ? VARTYPE{VT_VOID} : member.result;
    hr = info->AddFuncDesc(position, &function);
    if (FAILED(hr)) return hr;
    // A property put's value has no name of its own.
    UINT nameCount = member.kind == INVOKE_PROPERTYPUT ? 1 : static_cast<UINT>(names.size());
    info->SetFuncAndParamNames(position, names.data(), nameCount);
    if (member.description)
      info->SetFuncDocString(position, const_cast<LPOLESTR>(member.description));
    ++position;
  }
  hr = info->LayOut();
  if (FAILED(hr)) return hr;
  return info->QueryInterface(IID_ITypeInfo, reinterpret_cast<void**>(out));
}

HRESULT provideTypeInfo(const DispatchTable& table, ITypeInfo*& cache, UINT index,
                        ITypeInfo** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  if (!cache) {
    HRESULT hr = table.createTypeInfo(&cache);
    if (FAILED(hr)) return hr;
  }
  cache->AddRef();
  *out = cache;
  return S_OK;
}

HRESULT checkInvoke(REFIID reserved, const DISPPARAMS* params, UINT expectedArgs) {
  if (reserved != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  UINT given = params ? params->cArgs : 0;
  if (params && params->cNamedArgs > 0 && expectedArgs == 0) return DISP_E_NONAMEDARGS;
  if (given != expectedArgs) return DISP_E_BADPARAMCOUNT;
  return S_OK;
}

HRESULT textArgument(const DISPPARAMS* params, BSTR* text, UINT* argErr) {
  VARIANT converted;
  VariantInit(&converted);
  HRESULT hr = VariantChangeType(&converted, &params->rgvarg[0], 0, VT_BSTR);
  if (FAILED(hr)) {
    if (argErr) *argErr = 0;
    return DISP_E_TYPEMISMATCH;
  }
  *text = converted.bstrVal;
  return S_OK;
}

}  // namespace tavimo::flexolo::com
