#include "ado/ErrorADO.h"

namespace ado {

EErrorADO::EErrorADO(QString sClase, QString sMensaje)
    : F_sClase(std::move(sClase)), F_sMensaje(std::move(sMensaje)),
      F_sTexto((F_sClase + QStringLiteral(" - ") + F_sMensaje).toUtf8()) {}

const QString& EErrorADO::Clase() const { return F_sClase; }

const QString& EErrorADO::Mensaje() const { return F_sMensaje; }

const char* EErrorADO::what() const noexcept { return F_sTexto.constData(); }

EErrorADO ErrorDanada(const QString& sRuta, const QString& sDetalle) {
  return EErrorADO(CC_ERROR_ARCHIVO, QStringLiteral("La base de datos \"%1\" está dañada (%2).").arg(sRuta, sDetalle));
}

EErrorADO ErrorDanada(const QString& sRuta, const QString& sTabla, const QString& sDetalle) {
  return ErrorDanada(sRuta, QStringLiteral("tabla \"%1\", %2").arg(sTabla, sDetalle));
}

}  // namespace ado
