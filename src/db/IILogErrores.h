#pragma once

#include <QString>

// Error catalogue: shows an error by its code, or builds its text.
class ILogErrores {
 public:
  virtual ~ILogErrores() = default;
  virtual void MuestraError(const QString& sClaveErr, const QString& sMsjAdicional) = 0;
  virtual QString DameErrorMsj(const QString& sClaveErr, const QString& sMsjAdicional,
                               bool bIncluyeClave) = 0;
};
