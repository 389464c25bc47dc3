#pragma once
// Resets the security settings files the server sends, entry by entry, when their
// restrictions are lifted.
namespace tavimo {

class readini {
 public:
  // Writes "0" to every switch of the system security file, in catalogue order, then "0" to
  // the drive section's "ret" and the empty text to its captions; the drive mask stays.
  void fillcheck();
  // Writes "0" to every entry of the browser security file, in the editing page's order.
  void fillset();
  // Empties both pattern lists of the site file; its type stays as it was.
  void siteset();
};

}  // namespace tavimo
