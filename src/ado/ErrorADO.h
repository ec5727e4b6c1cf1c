#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace ado {

// Class names carried by the errors of the data engine.
inline const QString CC_ERROR_CONEXION = QStringLiteral("EConexionADO");   // opening, provider, password
inline const QString CC_ERROR_ARCHIVO = QStringLiteral("EArchivoJet");     // unreadable or damaged file
inline const QString CC_ERROR_CONSULTA = QStringLiteral("EConsultaADO");   // SQL, fields, walking a result

// An error of the connection or query objects: a class name and a message.
class EErrorADO : public std::exception {
 public:
  EErrorADO(QString sClase, QString sMensaje);
  const QString& Clase() const;
  const QString& Mensaje() const;
  const char* what() const noexcept override;

 private:
  QString F_sClase;
  QString F_sMensaje;
  QByteArray F_sTexto;  // "Clase - Mensaje" in UTF-8 for what()
};

// The damaged-file error: "La base de datos "<ruta>" está dañada (<detalle>)."
EErrorADO ErrorDanada(const QString& sRuta, const QString& sDetalle);
// The same naming a table: (tabla "<tabla>", <detalle>).
EErrorADO ErrorDanada(const QString& sRuta, const QString& sTabla, const QString& sDetalle);

}  // namespace ado
