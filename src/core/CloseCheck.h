#pragma once
// The close check of an unreachable server: the operator must type the local administrator
// password (stored Base64-encoded in "p0") into frmPasswd before the client may close.
namespace tavimo {

// Shows frmPasswd modally; true when the typed password equals the stored one.
bool closeCheck();

}  // namespace tavimo
