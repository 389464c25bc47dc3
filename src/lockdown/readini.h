#pragma once
// Resets the security settings files the server sends, entry by entry, when their
// restrictions are lifted.
namespace tavimo {

class readini {
 public:
  // Empties both pattern lists of the site file; its type stays as it was.
  void siteset();
};

}  // namespace tavimo
