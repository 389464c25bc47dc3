#pragma once
// A real top-level window with real child controls, standing in for a client form, and its
// side of the binding (IFlexoloHost). Like a form, it keeps each control's position in twips
// and places the control's window at the nearest pixel.
#include <windows.h>

#include <string>
#include <vector>

#include "FlexoloHost.h"

namespace flexolo_test {

class TestForm final : public IFlexoloHost {
 public:
  enum class Kind { Window, FixedHeight, ListBox, Line, Timer };
  struct Control {
    std::string name;
    LONG index;  // FLEXOLO_NO_INDEX outside a control array
    Kind kind;
    HWND hwnd = nullptr;      // none for lines and timers
    LONG a = 0, b = 0, c = 0, d = 0;  // Left, Top, Width, Height; a line's X1, Y1, X2, Y2
    bool integralHeight = true;
  };

  // A form whose client area is width x height pixels.
  TestForm(int width, int height);
  ~TestForm();
  TestForm(const TestForm&) = delete;
  TestForm& operator=(const TestForm&) = delete;

  HWND hwnd() const { return hwnd_; }
  // Adds a child window (positions in twips); a FixedHeight control refuses a new height, as a
  // combo box does. Returns the control's number.
  int addWindow(const std::string& name, LONG index, const char* windowClass, Kind kind,
                LONG left, LONG top, LONG width, LONG height);
  int addLine(const std::string& name, LONG x1, LONG y1, LONG x2, LONG y2);
  int addTimer(const std::string& name);
  const Control& control(int number) const { return controls_[number]; }
  // The real window's rectangle in the form's client coordinates, pixels.
  RECT windowRect(int number) const;
  void setClientSize(int width, int height);
  int pixels(LONG twips) const;

  // IUnknown: the form lives on the test's stack; references are counted for checking only.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override { return --references_; }
  ULONG references() const { return references_; }

  HRESULT STDMETHODCALLTYPE GetFormMeasures(FlexoloFormMeasures* measures) override;
  HRESULT STDMETHODCALLTYPE SetFormSize(LONG height, LONG width) override;
  HRESULT STDMETHODCALLTYPE GetControlCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE GetControl(LONG number, BSTR* name, LONG* index,
                                       BOOL* isLine) override;
  HRESULT STDMETHODCALLTYPE GetProperty(LONG number, FlexoloProperty property,
                                        LONG* value) override;
  HRESULT STDMETHODCALLTYPE SetProperty(LONG number, FlexoloProperty property,
                                        LONG value) override;
  HRESULT STDMETHODCALLTYPE Move(LONG number, LONG argCount, LONG left, LONG top, LONG width,
                                 LONG height) override;

 private:
  LONG* field(LONG number, FlexoloProperty property);
  void place(const Control& control);
  int twips(int pixels) const;

  HWND hwnd_ = nullptr;
  std::vector<Control> controls_;
  ULONG references_ = 0;
  int dpi_ = 96;
};

}  // namespace flexolo_test
