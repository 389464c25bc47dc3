#include "runtime/win32/FormHost.h"

#include <windows.h>
#include <oleauto.h>

#include <atomic>
#include <string>
#include <vector>

#include "FlexoloHost.h"
#include "runtime/Control.h"
#include "runtime/Form.h"

namespace tavimo::rt {

namespace {
std::wstring wide(const std::string& text) {
  int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring result(length > 0 ? length - 1 : 0, L'\0');
  if (length > 1) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, result.data(), length);
  return result;
}

// Kinds without a place on the form: the layout control skips them.
bool hasPosition(const Control& c) {
  return c.kind() != ControlKind::Timer && c.kind() != ControlKind::UdpSocket && c.kind() != ControlKind::LateBound;
}

class FormHost final : public IFlexoloHost {
 public:
  explicit FormHost(Form& form) : form_(form) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IFlexoloHost)) {
      *object = static_cast<IFlexoloHost*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetFormMeasures(FlexoloFormMeasures* m) override {
    if (!m) return E_POINTER;
    *m = {form_.top(), form_.left(), form_.height(), form_.width(), static_cast<double>(form_.scaleHeight()),
          static_cast<double>(form_.scaleWidth()), form_.windowState() == WindowState::Minimized, FALSE};
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetFormSize(LONG height, LONG width) override {
    form_.move(form_.left(), form_.top(), width, height);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetControlCount(LONG* count) override {
    if (!count) return E_POINTER;
    *count = static_cast<LONG>(form_.controls().size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetControl(LONG number, BSTR* name, LONG* index, BOOL* isLine) override {
    Control* c = at(number);
    if (!c || !name || !index || !isLine) return E_INVALIDARG;
    *name = SysAllocString(wide(c->name()).c_str());
    *index = c->index() < 0 ? FLEXOLO_NO_INDEX : c->index();
    *isLine = FALSE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetProperty(LONG number, FlexoloProperty property, LONG* value) override {
    Control* c = at(number);
    if (!c || !value) return E_INVALIDARG;
    if (!hasPosition(*c)) return DISP_E_MEMBERNOTFOUND;
    switch (property) {
      case FLEXOLO_TOP: *value = c->top(); return S_OK;
      case FLEXOLO_LEFT: *value = c->left(); return S_OK;
      case FLEXOLO_HEIGHT: *value = c->height(); return S_OK;
      case FLEXOLO_WIDTH: *value = c->width(); return S_OK;
      default: return DISP_E_MEMBERNOTFOUND;
    }
  }
  HRESULT STDMETHODCALLTYPE SetProperty(LONG number, FlexoloProperty property, LONG value) override {
    Control* c = at(number);
    if (!c) return E_INVALIDARG;
    if (!hasPosition(*c)) return DISP_E_MEMBERNOTFOUND;
    switch (property) {
      case FLEXOLO_TOP: c->setTop(value); return S_OK;
      case FLEXOLO_LEFT: c->setLeft(value); return S_OK;
      case FLEXOLO_HEIGHT: c->setHeight(value); return S_OK;
      case FLEXOLO_WIDTH: c->setWidth(value); return S_OK;
      default: return DISP_E_MEMBERNOTFOUND;
    }
  }
  HRESULT STDMETHODCALLTYPE Move(LONG number, LONG argCount, LONG left, LONG top, LONG width, LONG height) override {
    Control* c = at(number);
    if (!c || argCount < 2 || argCount > 4) return E_INVALIDARG;
    if (!hasPosition(*c)) return DISP_E_MEMBERNOTFOUND;
    c->move(left, top, argCount >= 3 ? width : c->width(), argCount >= 4 ? height : c->height());
    return S_OK;
  }

 private:
  Control* at(LONG number) const {
    const auto& controls = form_.controls();
    return number >= 0 && number < static_cast<LONG>(controls.size()) ? controls[number] : nullptr;
  }
  Form& form_;
  std::atomic<ULONG> references_{1};
};

class ComObject final : public LateBoundObject {
 public:
  ComObject(IDispatch* dispatch, IFlexoloSite* site) : dispatch_(dispatch), site_(site) {}
  ~ComObject() override {
    if (site_) {
      site_->SetHost(nullptr);
      site_->Release();
    }
    dispatch_->Release();
  }
  bool call(const std::string& method) override {
    std::wstring name = wide(method);
    LPOLESTR names[] = {name.data()};
    DISPID id = 0;
    if (FAILED(dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return false;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    return SUCCEEDED(dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr));
  }

 private:
  IDispatch* dispatch_;
  IFlexoloSite* site_;
};
}  // namespace

std::unique_ptr<LateBoundObject> createComObject(Form& form, const std::string& progId) {
  CLSID classId;
  if (FAILED(CLSIDFromProgID(wide(progId).c_str(), &classId))) return nullptr;
  IDispatch* dispatch = nullptr;
  if (FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&dispatch))))
    return nullptr;
  IFlexoloSite* site = nullptr;
  if (SUCCEEDED(dispatch->QueryInterface(IID_IFlexoloSite, reinterpret_cast<void**>(&site)))) {
    FormHost* host = new FormHost(form);
    site->SetHost(host);
    host->Release();
  }
  return std::make_unique<ComObject>(dispatch, site);
}

}  // namespace tavimo::rt
