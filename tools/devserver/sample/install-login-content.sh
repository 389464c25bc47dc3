#!/usr/bin/env bash
# Sets up the sample café's login screen as a café would: the header and message files into
# the "systemfiles" folder beside TavimoClient.exe, and the picture's Windows path into
# HKLM\Software\Tavimo\Settings "LoginScr". Runs in the client's Wine prefix (WINEPREFIX):
#   tools/devserver/sample/install-login-content.sh build/win64
set -euo pipefail
sample="$(cd "$(dirname "$0")" && pwd)"
program="${1:?usage: install-login-content.sh FOLDER_OF_TAVIMOCLIENT_EXE}"
mkdir -p "$program/systemfiles"
cp "$sample/systemfiles/aid.log" "$sample/systemfiles/aid2.log" "$program/systemfiles/"
picture="$(winepath -w "$sample/login-picture.jpg")"
wine reg add 'HKLM\Software\Tavimo\Settings' /v LoginScr /t REG_SZ /d "$picture" /f >/dev/null
