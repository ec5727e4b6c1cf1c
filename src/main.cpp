#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStringList>

#include <memory>

#include "app/CatalogoLocalidades.h"
#include "app/EntornoVentana.h"
#include "app/LineaComandos.h"
#include "app/OrdenesPrograma.h"
#include "app/Plataforma.h"
#include "app/Principal.h"
#include "data/DataModule.h"
#include "db/ColectorConxs.h"
#include "report/ui/VisorReporte.h"

int main(int argc, char* argv[])
{
  // Read before any application object: Qt would abort without a display.
  QStringList Argumentos;
  for (int i = 1; i < argc; ++i)
    Argumentos << QString::fromLocal8Bit(argv[i]);
  const TOrdenPrograma Orden = DameOrden(Argumentos);
  if (Orden.Orden == TOrden::Generar || Orden.Orden == TOrden::Localidades)
    return EjecutaLineaComandos(argc, argv);
  if (Orden.Orden != TOrden::Ventana || !HayPantalla())
    return EjecutaSinPantalla(Orden);

  QApplication Aplicacion(argc, argv);
  // Qt's own reading of the arguments keeps every letter of a folder's name.
  const TArgumentosVentana Args = DameOrden(Aplicacion.arguments().mid(1)).Ventana;
  const QString sCarpeta = Args.sCarpeta.isEmpty() ? QCoreApplication::applicationDirPath()
                                                   : QDir(Args.sCarpeta).absolutePath();
  QStringList Sucursales;
  for (const QString& sSucursal : Args.Sucursales)
    Sucursales << QDir(sSucursal).absolutePath();
  PreparaEntornoVentana(Aplicacion);
  ColectorConexiones = std::make_shared<TColectorConxs>();
  int nSalida = 0;
  {
    TdmMain dmMain;
    if (auto sError = CambiaCatalogo(dmMain, Args.sCatalogo)) {
      // The window never opens on a catalogue that would offer wrong keys.
      EscribeTexto(stderr, *sError + QLatin1Char('\n'));
      QMessageBox::critical(nullptr, QStringLiteral("Catálogo de localidades"), *sError);
      nSalida = 2;
    } else {
      dmMain.repGeneral.SetVisor(std::make_shared<TVisorReporte>());
      TfrmPrincipal frmPrincipal(dmMain, sCarpeta, nullptr, Sucursales);
      frmPrincipal.show();
      frmPrincipal.activateWindow();
      nSalida = Aplicacion.exec();
    }
  }
  // Released last: closes every registered connection.
  ColectorConexiones.reset();
  return nSalida;
}
