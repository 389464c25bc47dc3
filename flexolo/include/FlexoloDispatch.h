#pragma once
// The library's classes and the dispatch identifiers of their members, for a client that binds
// early or listens to the hyperlink label's events. Binding by name needs none of this.
#include <objbase.h>

// {9E5E91A6-644F-4323-8147-81B3CDA1A813} "Flexolo.omxFlexolo"
inline constexpr CLSID CLSID_omxFlexolo = {
    0x9e5e91a6, 0x644f, 0x4323, {0x81, 0x47, 0x81, 0xb3, 0xcd, 0xa1, 0xa8, 0x13}};
// {F77B78E1-F3B3-4429-BF7F-02F7DA6E2BF1} "Flexolo.OHLink"
inline constexpr CLSID CLSID_OHLink = {
    0xf77b78e1, 0xf3b3, 0x4429, {0xbf, 0x7f, 0x02, 0xf7, 0xda, 0x6e, 0x2b, 0xf1}};

// The scaling control's methods, in this order; none takes an argument.
enum : DISPID {
  DISPID_FLEXOLO_RESIZE = 1,
  DISPID_FLEXOLO_SAVECONTROLPOSITIONS = 2,
  DISPID_FLEXOLO_ABOUT = 3,
};

// The hyperlink label's properties (texts, VT_BSTR).
enum : DISPID {
  DISPID_OHLINK_HYPERLINK = 1,
  DISPID_OHLINK_CAPTION = 2,
};

// {DD63B097-39E8-45E2-9B91-51E735CDF903}: the hyperlink label's event interface, a
// dispinterface reached with IConnectionPointContainer::FindConnectionPoint.
inline constexpr IID DIID_OHLinkEvents = {
    0xdd63b097, 0x39e8, 0x45e2, {0x9b, 0x91, 0x51, 0xe7, 0x35, 0xcd, 0xf9, 0x03}};

// Its events, in this order. The mouse events carry Button and Shift (VT_I2) and X and Y
// (VT_R4, twips), in that order (rgvarg holds them last first, as always).
enum : DISPID {
  DISPID_OHLINK_CLICK = 1,
  DISPID_OHLINK_DBLCLICK = 2,
  DISPID_OHLINK_MOUSEDOWN = 3,
  DISPID_OHLINK_MOUSEMOVE = 4,
  DISPID_OHLINK_MOUSEUP = 5,
};
