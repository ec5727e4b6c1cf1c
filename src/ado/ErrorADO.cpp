#include "ado/ErrorADO.h"

namespace ado {

EErrorADO::EErrorADO(QString sClase, QString sMensaje)
    : F_sClase(std::move(sClase)), F_sMensaje(std::move(sMensaje)),
      F_sTexto((F_sClase + QStringLiteral(" - ") + F_sMensaje).toUtf8()) {}

const QString& EErrorADO::Clase() const { return F_sClase; }

const QString& EErrorADO::Mensaje() const { return F_sMensaje; }

const char* EErrorADO::what() const noexcept { return F_sTexto.constData(); }

}  // namespace ado
