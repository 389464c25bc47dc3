#pragma once
// A dispatch interface described once as a table: names resolve to dispatch identifiers from
// it (late binding), and the type information with the members' descriptions is built from it.
#include <windows.h>
#include <oaidl.h>

#include <vector>

namespace tavimo::flexolo::com {

struct DispatchParam {
  const wchar_t* name;
  VARTYPE type;
};

struct DispatchMember {
  DISPID id;
  const wchar_t* name;
  INVOKEKIND kind;  // INVOKE_FUNC, or INVOKE_PROPERTYGET and INVOKE_PROPERTYPUT as two rows
  VARTYPE result;   // VT_EMPTY when nothing is returned
  const wchar_t* description;
  std::vector<DispatchParam> params = {};
};

class DispatchTable {
 public:
  DispatchTable(const wchar_t* interfaceName, const IID& iid, std::vector<DispatchMember> members)
      : interfaceName_(interfaceName), iid_(iid), members_(std::move(members)) {}

  // Names are matched without regard to case. A member name that is not in the table, and
  // every argument name, gives DISPID_UNKNOWN and DISP_E_UNKNOWNNAME.
  HRESULT idsOfNames(LPOLESTR* names, UINT count, DISPID* ids) const;
  // Builds the type information of the interface; the caller owns the result.
  HRESULT createTypeInfo(ITypeInfo** out) const;

 private:
  const wchar_t* interfaceName_;
  IID iid_;
  std::vector<DispatchMember> members_;
};

// IDispatch::GetTypeInfo for an object with one interface, built on first use into cache.
HRESULT provideTypeInfo(const DispatchTable& table, ITypeInfo*& cache, UINT index,
                        ITypeInfo** out);

// Checks common to every Invoke: the reserved IID and the count of arguments.
HRESULT checkInvoke(REFIID reserved, const DISPPARAMS* params, UINT expectedArgs);

// The one argument of a property put, as text.
HRESULT textArgument(const DISPPARAMS* params, BSTR* text, UINT* argErr);

}  // namespace tavimo::flexolo::com
