#include "app/OrdenesPrograma.h"

#include "app/ArgumentosGenerar.h"

namespace {

struct TPalabraOrden {
  QLatin1String sPalabra;
  TOrden Orden;
};

// Words that, first on the command line, choose a command other than the window.
const TPalabraOrden CC_ORDENES[] = {
    {QLatin1String("generar"), TOrden::Generar},
    {QLatin1String("localidades"), TOrden::Localidades},
    {QLatin1String("--help"), TOrden::Ayuda},
    {QLatin1String("-h"), TOrden::Ayuda},
    {QLatin1String("--version"), TOrden::Version},
};

}  // namespace

std::optional<QString> LeeArgumentosVentana(const QStringList& Argumentos,
                                            TArgumentosVentana& Args)
{
  for (qsizetype i = 0; i < Argumentos.size(); ++i) {
    const QString& sOpcion = Argumentos[i];
    if (sOpcion != QLatin1String("--carpeta") && sOpcion != QLatin1String("--catalogo") &&
        sOpcion != QLatin1String("--sucursal"))
      return QStringLiteral("Opción desconocida: %1").arg(sOpcion);
    if (i + 1 >= Argumentos.size())
      return QStringLiteral("Falta el valor de %1").arg(sOpcion);
    if (sOpcion == QLatin1String("--carpeta"))
      Args.sCarpeta = Argumentos[++i];
    else if (sOpcion == QLatin1String("--catalogo"))
      Args.sCatalogo = Argumentos[++i];
    else
      Args.Sucursales << Argumentos[++i];
  }
  return RevisaCarpetasRepetidas(Args.sCarpeta.isEmpty() ? QStringLiteral(".") : Args.sCarpeta,
                                 Args.Sucursales);
}

TOrdenPrograma DameOrden(const QStringList& Argumentos)
{
  TOrdenPrograma Orden;
  if (!Argumentos.isEmpty()) {
    for (const TPalabraOrden& Palabra : CC_ORDENES) {
      if (Argumentos.first() == Palabra.sPalabra) {
        Orden.Orden = Palabra.Orden;
        Orden.Argumentos = Argumentos.mid(1);
        return Orden;
      }
    }
  }
  Orden.Argumentos = Argumentos;
  if (auto sError = LeeArgumentosVentana(Argumentos, Orden.Ventana)) {
    Orden.Orden = TOrden::ErrorUso;
    Orden.sError = *sError;
  }
  return Orden;
}
