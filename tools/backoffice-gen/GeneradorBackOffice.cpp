#include "GeneradorBackOffice.h"

#include "Alertas.h"
#include "Azar.h"
#include "Clientes.h"
#include "Numeracion.h"
#include "Operaciones.h"
#include "TablasFijas.h"

#include <QDir>
#include <QFile>

#include <memory>
#include <stdexcept>
#include <vector>

namespace backoffice {

namespace {

// The joined back office has the head office's company record and users.
const QStringList CC_TABLAS_MATRIZ = {"tEmpresa", "tEmps", "tCompUsr"};

QDir CreaCarpeta(const QString& sCarpeta)
{
  const QDir carpeta(sCarpeta);
  if (!carpeta.mkpath("DataBase"))
    throw std::runtime_error(QStringLiteral("No se pudo crear %1.")
                                 .arg(carpeta.filePath("DataBase"))
                                 .toStdString());
  return carpeta;
}

void EscribeIni(const QString& sCarpeta, qint64 nEmpresa)
{
  QFile ini(QDir(sCarpeta).filePath("Tolvex.INI"));
  if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      ini.write(QStringLiteral("[Control]\r\nEmpresaActiva=%1\r\n").arg(nEmpresa).toLatin1()) < 0)
    throw std::runtime_error(QStringLiteral("No se pudo escribir %1: %2")
                                 .arg(ini.fileName(), ini.errorString())
                                 .toStdString());
}

// Every table of one back office, in order, into Salida.
void EscribeTablas(TSalida& Salida, qint64 nOperaciones, std::uint64_t nSemilla,
                   const TNumeracion& Numeracion)
{
  // Independent streams, so changing one table's logic leaves the others alone.
  TAzar semillas(nSemilla);
  TAzar azarClientes(semillas.Bits());
  const std::uint64_t nSemillaOps = semillas.Bits();
  TAzar azarAlertas(semillas.Bits());

  EscribeTablasFijas(Salida, Numeracion);
  const TClientela clientela =
      EscribeCiudadesYClientes(Salida, azarClientes, nOperaciones, Numeracion);
  EscribeOperaciones(Salida, "tProces", nSemillaOps, nOperaciones, clientela, Numeracion);
  EscribeOperaciones(Salida, "tMovtos", nSemillaOps, nOperaciones, clientela, Numeracion);
  EscribeAlertas(Salida, azarAlertas, nOperaciones, clientela, Numeracion);
}

TResumen EscribeBackOffice(qint64 nOperaciones, std::uint64_t nSemilla, const QString& sCarpeta,
                           const TNumeracion& Numeracion)
{
  const QDir carpeta = CreaCarpeta(sCarpeta);
  mdbgen::TEscritorMdb escritor(carpeta.filePath("DataBase/Tolvex.mdb"), CC_PASSWORD_BD);
  TSalidaMdb salida(escritor);
  EscribeTablas(salida, nOperaciones, nSemilla, Numeracion);
  escritor.Termina();
  EscribeIni(sCarpeta, Numeracion.Empresa());
  return salida.Resumen();
}

}  // namespace

TResumen GeneraBackOffice(qint64 nOperaciones, std::uint64_t nSemilla, const QString& sCarpeta)
{
  if (nOperaciones < 0)
    throw std::runtime_error("El número de operaciones no puede ser negativo.");
  return EscribeBackOffice(nOperaciones, nSemilla, sCarpeta, TNumeracion(1, 1, false));
}

QString CarpetaSucursal(const QString& sCarpeta, int nSucursal)
{
  return QDir(sCarpeta).filePath(QStringLiteral("sucursal%1").arg(nSucursal));
}

QString CarpetaUnida(const QString& sCarpeta)
{
  return QDir(sCarpeta).filePath(QStringLiteral("unida"));
}

TResumen GeneraSucursales(qint64 nOperaciones, std::uint64_t nSemilla, int nSucursales,
                          const QString& sCarpeta)
{
  if (nOperaciones < 0)
    throw std::runtime_error("El número de operaciones no puede ser negativo.");
  if (nSucursales < 1)
    throw std::runtime_error("Debe haber al menos una sucursal.");
  TResumen tablas;
  for (int s = 1; s <= nSucursales; ++s)
    tablas = EscribeBackOffice(nOperaciones, nSemilla + std::uint64_t(s - 1),
                               CarpetaSucursal(sCarpeta, s), TNumeracion(s, nSucursales, false));

  // The joined file is written table by table: each branch's generation runs again for
  // one table at a time (the generators are deterministic and skip what goes nowhere).
  const QString sUnida = CarpetaUnida(sCarpeta);
  const QDir carpeta = CreaCarpeta(sUnida);
  mdbgen::TEscritorMdb escritor(carpeta.filePath("DataBase/Tolvex.mdb"), CC_PASSWORD_BD);
  TSalidaMdb unida(escritor);
  for (auto it = tablas.cbegin(); it != tablas.cend(); ++it) {
    const int nHasta = CC_TABLAS_MATRIZ.contains(it.key()) ? 1 : nSucursales;
    for (int s = 1; s <= nHasta; ++s) {
      TSalidaTabla salida(unida, it.key(), s == 1, s == nHasta);
      EscribeTablas(salida, nOperaciones, nSemilla + std::uint64_t(s - 1),
                    TNumeracion(s, nSucursales, true));
    }
  }
  escritor.Termina();
  EscribeIni(sUnida, TNumeracion(1, nSucursales, true).Empresa());
  return unida.Resumen();
}

}  // namespace backoffice
