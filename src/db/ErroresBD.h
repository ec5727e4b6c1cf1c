#pragma once

#include <QString>

#include "db/LogErrores.h"

namespace ado {
class EErrorADO;
}

inline const QString CC_ERR_BD101 = QStringLiteral("BD-101");

// The database layer's catalogue.
class TErroresBD : public TManejadorErrores {
 public:
  TErroresBD();

 protected:
  void RegistraErrores() override;
};

// The extra text of a database error: its class name, " - " and its message.
QString TextoErrorBD(const ado::EErrorADO& Error);
