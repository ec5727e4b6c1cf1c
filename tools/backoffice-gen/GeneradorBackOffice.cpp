#include "GeneradorBackOffice.h"

#include "Alertas.h"
#include "Azar.h"
#include "Clientes.h"
#include "Operaciones.h"
#include "TablasFijas.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace backoffice {

namespace {

void EscribeIni(const QString& sCarpeta)
{
  QFile ini(QDir(sCarpeta).filePath("Tolvex.INI"));
  if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      ini.write(QStringLiteral("[Control]\r\nEmpresaActiva=%1\r\n").arg(CC_EMPRESA).toLatin1()) < 0)
    throw std::runtime_error(QStringLiteral("No se pudo escribir %1: %2")
                                 .arg(ini.fileName(), ini.errorString())
                                 .toStdString());
}

}  // namespace

TResumen GeneraBackOffice(qint64 nOperaciones, std::uint64_t nSemilla, const QString& sCarpeta)
{
  if (nOperaciones < 0)
    throw std::runtime_error("El número de operaciones no puede ser negativo.");
  const QDir carpeta(sCarpeta);
  if (!carpeta.mkpath("DataBase"))
    throw std::runtime_error(QStringLiteral("No se pudo crear %1.")
                                 .arg(carpeta.filePath("DataBase"))
                                 .toStdString());

  // Independent streams, so changing one table's logic leaves the others alone.
  TAzar semillas(nSemilla);
  TAzar azarClientes(semillas.Bits());
  const std::uint64_t nSemillaOps = semillas.Bits();
  TAzar azarAlertas(semillas.Bits());

  mdbgen::TEscritorMdb escritor(carpeta.filePath("DataBase/Tolvex.mdb"), CC_PASSWORD_BD);
  TSalida salida(escritor);
  EscribeTablasFijas(salida);
  const TClientela clientela = EscribeCiudadesYClientes(salida, azarClientes, nOperaciones);
  EscribeOperaciones(salida, "tProces", nSemillaOps, nOperaciones, clientela);
  EscribeOperaciones(salida, "tMovtos", nSemillaOps, nOperaciones, clientela);
  EscribeAlertas(salida, azarAlertas, nOperaciones, clientela);
  escritor.Termina();
  EscribeIni(sCarpeta);
  return salida.Resumen();
}

}  // namespace backoffice
