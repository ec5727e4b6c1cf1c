#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cstdio>

#include "mdbgen/EscritorMdb.h"

// mdbgen --out FILE.mdb INPUT.json
int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 4 || args[1] != QLatin1String("--out")) {
    std::fputs("uso: mdbgen --out ARCHIVO.mdb ENTRADA.json\n", stderr);
    return 2;
  }
  QFile entrada(args[3]);
  if (!entrada.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "mdbgen: no se puede leer %s\n", qUtf8Printable(args[3]));
    return 1;
  }
  try {
    mdbgen::EscribeDesdeJson(entrada.readAll(), args[2]);
  } catch (const mdbgen::EErrorMdb& e) {
    std::fprintf(stderr, "mdbgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
