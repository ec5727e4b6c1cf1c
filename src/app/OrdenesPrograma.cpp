#include "app/OrdenesPrograma.h"

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
    QString* pDestino = sOpcion == QLatin1String("--carpeta")    ? &Args.sCarpeta
                        : sOpcion == QLatin1String("--catalogo") ? &Args.sCatalogo
                                                                 : nullptr;
    if (!pDestino)
      return QStringLiteral("Opción desconocida: %1").arg(sOpcion);
    if (i + 1 >= Argumentos.size())
      return QStringLiteral("Falta el valor de %1").arg(sOpcion);
    *pDestino = Argumentos[++i];
  }
  return {};
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
