// Something that can be asked to draw its content again.
#pragma once
#include <windows.h>

class IRenderListener {
 public:
  virtual ~IRenderListener() = default;
  // A request to compose and present the content anew; hint tells why and
  // may be ignored.
  virtual void OnRenderRequest(LPARAM hint) = 0;
};
