#pragma once
// The state of the Caps Lock, Num Lock and Scroll Lock keys, for the status
// bar's indicators.
struct CLockKeys {
  bool bCaps = false;
  bool bNum = false;
  bool bScroll = false;
};

// False when the state cannot be learnt here (no X display, no keyboard
// lights); `keys` is then left as it was.
bool QueryLockKeys(CLockKeys& keys);
