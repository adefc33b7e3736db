#pragma once
// Resource numbers of the launcher window, shared by its .rc file and its
// code. The button pictures are 101 to 104 (large) and 201 to 204 (small).
#define STRIP_HAND_CURSOR 401
