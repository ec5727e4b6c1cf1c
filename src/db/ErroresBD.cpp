#include "db/ErroresBD.h"

#include "ado/ErrorADO.h"

TErroresBD::TErroresBD() { RegistraErrores(); }

void TErroresBD::RegistraErrores() {
  RegistraError(CC_ERR_BD101, QStringLiteral("Llame a Soporte Técnico."), QString(), true);
}

QString TextoErrorBD(const ado::EErrorADO& Error) {
  return Error.Clase() + " - " + Error.Mensaje();
}
