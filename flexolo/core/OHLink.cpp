#include "core/OHLink.h"

#include <utility>

namespace tavimo::flexolo {

OHLink::OHLink(OHLinkView& view, Shell& shell, OHLinkEvents& events)
    : view_(view), shell_(shell), events_(events) {}

void OHLink::initNew(const std::string& displayName) {
  hyperLink_ = defaultHyperLink;
  caption_ = displayName;
  showCaption();
}

void OHLink::readProperties(PropertyStore& store, const std::string& displayName) {
  hyperLink_ = store.read(hyperLinkProperty).value_or(defaultHyperLink);
  caption_ = store.read(captionProperty).value_or(displayName);
  showCaption();
}

void OHLink::writeProperties(PropertyStore& store, const std::string& displayName) {
  if (hyperLink_ != defaultHyperLink) store.write(hyperLinkProperty, hyperLink_);
  if (caption_ != displayName) store.write(captionProperty, caption_);
  showCaption();
}

void OHLink::setHyperLink(std::string address) {
  hyperLink_ = std::move(address);
  events_.propertyChanged(hyperLinkProperty);
}

void OHLink::setCaption(std::string caption) {
  caption_ = std::move(caption);
  events_.propertyChanged(captionProperty);
  showCaption();
}

void OHLink::showCaption() {
  view_.setLabelCaption(caption_);
  resize();
}

void OHLink::resize() { view_.setControlSize(view_.labelSize()); }

void OHLink::click() {
  if (hyperLink_.empty()) return;
  shell_.open(hyperLink_);
  events_.click();
}

}  // namespace tavimo::flexolo
