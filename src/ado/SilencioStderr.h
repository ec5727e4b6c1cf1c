#pragma once

#include <QString>
#include <cstdio>

namespace ado {

// libmdb prints its warnings to standard error. While an instance lives,
// those prints go to a private capture file instead; Capturado() returns them.
class TSilencioStderr {
 public:
  TSilencioStderr();
  ~TSilencioStderr();
  TSilencioStderr(const TSilencioStderr&) = delete;
  TSilencioStderr& operator=(const TSilencioStderr&) = delete;
  void Activa(bool bActivo);  // pauses the capture, e.g. around a caller's callback
  QString Capturado() const;

 private:
  std::FILE* F_pCaptura = nullptr;
  int F_nOriginal = -1;
};

}  // namespace ado
