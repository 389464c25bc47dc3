#pragma once
// The scaling control lays out a form that it does not own; these two interfaces are how a
// form hands itself over. Plain C++ COM (no IDL): the form implements IFlexoloHost.
//
// Binding, step by step (the host's side):
//   1. Create the control: CLSIDFromProgID(L"Flexolo.omxFlexolo"), then CoCreateInstance
//      (CLSCTX_INPROC_SERVER) for its IDispatch.
//   2. QueryInterface the control for IFlexoloSite and call SetHost(host) when the form loads,
//      once its controls stand at their designed places. Like a container reading the control's
//      stored properties, this records every control's position at once; later saves add
//      records behind these, and the first ones stay the reference.
//   3. Call "SaveControlPositions" at the end of the form's Load and "Resize" from the form's
//      Resize event, late-bound through IDispatch::GetIDsOfNames and Invoke. Failures may be
//      ignored: an unknown name gives DISP_E_UNKNOWNNAME and changes nothing.
//   4. When the form unloads, call SetHost(nullptr) before releasing the control: the control
//      holds a reference to its host until then.
//
// Units: every position and size is in twips (15 per pixel on a 96 dpi screen); the form's
// inner size is in the form's own scale units (twips unless the form scales otherwise).
// All calls come on the thread that created the control (apartment threading).
#include <objbase.h>

enum FlexoloProperty : LONG {
  FLEXOLO_TOP = 0,
  FLEXOLO_LEFT = 1,
  FLEXOLO_HEIGHT = 2,
  FLEXOLO_WIDTH = 3,
  FLEXOLO_X1 = 4,  // a line's end points, where other controls have Left, Top, Width, Height
  FLEXOLO_Y1 = 5,
  FLEXOLO_X2 = 6,
  FLEXOLO_Y2 = 7,
  FLEXOLO_INTEGRAL_HEIGHT = 8,  // list boxes: 0 false, -1 true
};

// The index a control reports when it is not part of a control array.
constexpr LONG FLEXOLO_NO_INDEX = -1;

struct FlexoloFormMeasures {
  LONG top, left, height, width;   // the form's outer position and size, twips
  double scaleHeight, scaleWidth;  // its inner (client) size in its own scale units
  BOOL minimized;
  BOOL mdiChild;  // a child window of a multiple-document parent
};

// {72737EFC-820C-4D31-A73E-AC7F1D2FC25C}
inline constexpr IID IID_IFlexoloHost = {
    0x72737efc, 0x820c, 0x4d31, {0xa7, 0x3e, 0xac, 0x7f, 0x1d, 0x2f, 0xc2, 0x5c}};

// Implemented by the form. Controls are numbered 0 .. count - 1 in the form's control order;
// the numbering only has to hold during one call of the control's methods.
struct IFlexoloHost : public IUnknown {
  // The form's measures now. A failure makes the control keep what it had and do nothing.
  virtual HRESULT STDMETHODCALLTYPE GetFormMeasures(FlexoloFormMeasures* measures) = 0;
  // Sets the form's outer size (used for MDI children). The form may raise its own Resize
  // event from here; the control ignores a Resize call that arrives while it is resizing.
  virtual HRESULT STDMETHODCALLTYPE SetFormSize(LONG height, LONG width) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetControlCount(LONG* count) = 0;
  // name: a new BSTR that the caller frees. index: FLEXOLO_NO_INDEX outside a control array.
  // isLine: the control is a line (X1, Y1, X2, Y2 instead of Left, Top, Width, Height).
  virtual HRESULT STDMETHODCALLTYPE GetControl(LONG number, BSTR* name, LONG* index,
                                               BOOL* isLine) = 0;
  // DISP_E_MEMBERNOTFOUND (or any failure) when the control does not have the property: a
  // timer has no position, a line has no Left, most controls have no IntegralHeight. The
  // control then skips that step.
  virtual HRESULT STDMETHODCALLTYPE GetProperty(LONG number, FlexoloProperty property,
                                                LONG* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetProperty(LONG number, FlexoloProperty property,
                                                LONG value) = 0;
  // Moves a control in one step with the first argCount values (2, 3 or 4) of left, top,
  // width, height. A failure means the control refuses: the caller then tries fewer values.
  virtual HRESULT STDMETHODCALLTYPE Move(LONG number, LONG argCount, LONG left, LONG top,
                                         LONG width, LONG height) = 0;
};

// {1E8812AE-0D04-44C9-B9B1-D3DE31C11D7F}
inline constexpr IID IID_IFlexoloSite = {
    0x1e8812ae, 0x0d04, 0x44c9, {0xb9, 0xb1, 0xd3, 0xde, 0x31, 0xc1, 0x1d, 0x7f}};

// Implemented by the scaling control, found with QueryInterface.
struct IFlexoloSite : public IUnknown {
  // Binds the control to its form and records the form's control positions (see step 2);
  // nullptr releases the form. A control serves one form for its life: its records are never
  // cleared, so binding it again appends another set behind the first.
  virtual HRESULT STDMETHODCALLTYPE SetHost(IFlexoloHost* host) = 0;
};
