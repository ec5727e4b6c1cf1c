// backoffice-gen --operations N --seed S --out DIR [--sucursales N]
#include "GeneradorBackOffice.h"

#include "mdbgen/EscritorMdb.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <exception>

int main(int argc, char* argv[])
{
  QCoreApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription("Genera un back office Tolvex de prueba (DataBase/Tolvex.mdb y Tolvex.INI).");
  parser.addHelpOption();
  const QCommandLineOption operaciones("operations", "Líneas de operación a escribir.", "N");
  const QCommandLineOption semilla("seed", "Semilla: la misma semilla da el mismo archivo.", "S");
  const QCommandLineOption salida("out", "Carpeta raíz de Tolvex a escribir.", "DIR");
  const QCommandLineOption sucursales(
      "sucursales",
      "Escribe N sucursales (DIR/sucursal1 ... DIR/sucursalN), cada una con --operations líneas, "
      "su propio número de empresa y sus claves desde 1, y DIR/unida con los mismos datos como un "
      "solo back office.",
      "N");
  parser.addOptions({operaciones, semilla, salida, sucursales});
  parser.process(app);

  QTextStream err(stderr);
  bool bOkOps = false;
  bool bOkSemilla = false;
  const qint64 nOperaciones = parser.value(operaciones).toLongLong(&bOkOps);
  const quint64 nSemilla = parser.value(semilla).toULongLong(&bOkSemilla);
  bool bOkSucursales = true;
  const int nSucursales =
      parser.isSet(sucursales) ? parser.value(sucursales).toInt(&bOkSucursales) : 0;
  if (!bOkOps || nOperaciones < 0 || !bOkSemilla || parser.value(salida).isEmpty() ||
      !bOkSucursales || (parser.isSet(sucursales) && nSucursales < 1)) {
    err << "Uso: backoffice-gen --operations N --seed S --out DIR [--sucursales N]\n";
    return 2;
  }
  try {
    QElapsedTimer reloj;
    reloj.start();
    const backoffice::TResumen resumen =
        nSucursales > 0
            ? backoffice::GeneraSucursales(nOperaciones, nSemilla, nSucursales, parser.value(salida))
            : backoffice::GeneraBackOffice(nOperaciones, nSemilla, parser.value(salida));
    QTextStream out(stdout);
    for (auto it = resumen.cbegin(); it != resumen.cend(); ++it)
      out << it.key() << ": " << it.value().nFilas << " filas (" << it.value().nBorradas
          << " borradas)\n";
    out << "Tiempo: " << reloj.elapsed() << " ms\n";
    return 0;
  } catch (const std::exception& e) {
    err << "Error: " << QString::fromStdString(e.what()) << '\n';
    return 1;
  }
}
