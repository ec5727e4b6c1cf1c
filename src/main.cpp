#include <QApplication>
#include <QDir>
#include <QStringList>

#include <cstdio>
#include <memory>

#include "app/EntornoVentana.h"
#include "app/LineaComandos.h"
#include "app/Principal.h"
#include "data/DataModule.h"
#include "db/ColectorConxs.h"
#include "report/ui/VisorReporte.h"

namespace {

// The Tolvex root: the executable's folder, or DIR of "--carpeta DIR".
bool DameCarpetaTolvex(const QStringList& Argumentos, QString& sCarpeta)
{
  sCarpeta = QCoreApplication::applicationDirPath();
  for (qsizetype i = 1; i < Argumentos.size(); ++i) {
    if (Argumentos[i] != QStringLiteral("--carpeta") || i + 1 >= Argumentos.size())
      return false;
    sCarpeta = QDir(Argumentos[++i]).absolutePath();
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[])
{
  // The command line makes its own application object, without a window.
  if (EsLineaComandos(argc, argv))
    return EjecutaLineaComandos(argc, argv);
  QApplication Aplicacion(argc, argv);
  QString sCarpeta;
  if (!DameCarpetaTolvex(Aplicacion.arguments(), sCarpeta)) {
    std::fputs("Uso: encuesta-gafi [--carpeta DIR]\n", stderr);
    return 2;
  }
  PreparaEntornoVentana(Aplicacion);
  ColectorConexiones = std::make_shared<TColectorConxs>();
  int nSalida = 0;
  {
    TdmMain dmMain;
    dmMain.repGeneral.SetVisor(std::make_shared<TVisorReporte>());
    TfrmPrincipal frmPrincipal(dmMain, sCarpeta);
    frmPrincipal.show();
    frmPrincipal.activateWindow();
    nSalida = Aplicacion.exec();
  }
  // Released last: closes every registered connection.
  ColectorConexiones.reset();
  return nSalida;
}
