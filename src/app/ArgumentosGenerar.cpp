#include "app/ArgumentosGenerar.h"

#include "app/Utilerias.h"
#include "tables/TablaMemoria.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace {

// Options that take a value, and where each one goes.
QString* DestinoOpcion(const QString& sOpcion, TArgumentosGenerar& Args)
{
  if (sOpcion == QLatin1String("--carpeta")) return &Args.sCarpeta;
  if (sOpcion == QLatin1String("--password")) return &Args.sPassword;
  if (sOpcion == QLatin1String("--tipo-cambio")) return &Args.sTipoCambio;
  if (sOpcion == QLatin1String("--pdf")) return &Args.sPdf;
  if (sOpcion == QLatin1String("--json")) return &Args.sJson;
  if (sOpcion == QLatin1String("--catalogo")) return &Args.sCatalogo;
  return nullptr;
}

std::optional<QString> RevisaSalida(const QString& sOpcion, const QString& sRuta)
{
  if (sRuta.isEmpty())
    return {};
  const QFileInfo Archivo(sRuta);
  if (!Archivo.absoluteDir().exists())
    return QStringLiteral("La carpeta de %1 no existe: %2").arg(sOpcion, Archivo.absolutePath());
  if (Archivo.isDir())
    return QStringLiteral("%1 debe nombrar un archivo, no una carpeta: %2").arg(sOpcion, sRuta);
  // Said before the run, not after it.
  if (!QFileInfo(Archivo.absolutePath()).isWritable() || (Archivo.exists() && !Archivo.isWritable()))
    return QStringLiteral("No tiene permiso para escribir %1: %2").arg(sOpcion, Archivo.absoluteFilePath());
  return {};
}

bool ExisteClave(TTablaMemoria& vLocalidades, const QString& sClave)
{
  for (vLocalidades.First(); !vLocalidades.Eof(); vLocalidades.Next())
    if (vLocalidades.CampoTexto(QStringLiteral("Clave")) == sClave)
      return true;
  return false;
}

std::optional<QString> LeeOpciones(const QStringList& Argumentos, TArgumentosGenerar& Args)
{
  for (int i = 0; i < Argumentos.size(); ++i) {
    const QString& sOpcion = Argumentos[i];
    if (sOpcion == QLatin1String("--help") || sOpcion == QLatin1String("-h")) {
      Args.bAyuda = true;
      continue;
    }
    if (sOpcion == QLatin1String("--forzar-tipo-cambio")) {
      Args.bForzarTipoCambio = true;
      continue;
    }
    const bool bConValor = DestinoOpcion(sOpcion, Args) ||
                           sOpcion == QLatin1String("--usuario") ||
                           sOpcion == QLatin1String("--localidad") ||
                           sOpcion == QLatin1String("--soporte") ||
                           sOpcion == QLatin1String("--sucursal");
    if (!bConValor)
      return QStringLiteral("Opción desconocida: %1").arg(sOpcion);
    if (i + 1 >= Argumentos.size())
      return QStringLiteral("Falta el valor de %1").arg(sOpcion);
    const QString sValor = Argumentos[++i];
    if (sOpcion == QLatin1String("--usuario"))
      Args.sUsuario = sValor;
    else if (sOpcion == QLatin1String("--localidad"))
      Args.Claves << sValor;
    else if (sOpcion == QLatin1String("--sucursal"))
      Args.Sucursales << sValor;
    else if (sOpcion == QLatin1String("--soporte"))
      Args.Soportes << sValor;
    else
      *DestinoOpcion(sOpcion, Args) = sValor;
  }
  if (!Args.bAyuda && Args.sCarpeta.isEmpty())
    return QStringLiteral("Falta --carpeta: la carpeta raíz del Tolvex.");
  return {};
}

}  // namespace

std::optional<QString> LeeArgumentosLocalidades(const QStringList& Argumentos,
                                                TArgumentosGenerar& Args)
{
  const TArgumentosGenerar Inicial;
  if (auto sError = LeeOpciones(Argumentos, Args))
    return sError;
  for (const auto& [sOpcion, bDada] :
       {std::pair{"--tipo-cambio", Args.sTipoCambio != Inicial.sTipoCambio},
        std::pair{"--forzar-tipo-cambio", Args.bForzarTipoCambio},
        std::pair{"--localidad", !Args.Claves.isEmpty()}, std::pair{"--pdf", !Args.sPdf.isEmpty()},
        std::pair{"--json", !Args.sJson.isEmpty()}, std::pair{"--soporte", !Args.Soportes.isEmpty()}})
    if (bDada)
      return QStringLiteral("localidades no usa %1.").arg(QLatin1String(sOpcion));
  return {};
}

std::optional<QString> LeeArgumentosGenerar(const QStringList& Argumentos,
                                            TArgumentosGenerar& Args)
{
  if (auto sError = LeeOpciones(Argumentos, Args))
    return sError;
  if (Args.bAyuda)
    return {};
  if (Args.sPdf.isEmpty() && Args.sJson.isEmpty() && Args.Soportes.isEmpty())
    return QStringLiteral("Indique al menos una salida: --pdf ARCHIVO, --json ARCHIVO o --soporte ARCHIVO.");
  QStringList Formatos;
  for (const QString& sRuta : Args.Soportes) {
    const QString sFormato = FormatoSoporte(sRuta);
    if (sFormato.isEmpty())
      return QStringLiteral("--soporte debe terminar en .pdf o en .json: %1").arg(sRuta);
    if (Formatos.contains(sFormato))
      return QStringLiteral("--soporte se da una vez por formato (.pdf y .json): %1").arg(sRuta);
    Formatos << sFormato;
  }
  return {};
}

std::optional<QString> RevisaArgumentosGenerar(const TArgumentosGenerar& Args,
                                               const TTablaMemoria& vLocalidades)
{
  QList<std::pair<QString, QString>> Salidas = {{QStringLiteral("--pdf"), Args.sPdf},
                                                {QStringLiteral("--json"), Args.sJson}};
  for (const QString& sRuta : Args.Soportes)
    Salidas.append({QStringLiteral("--soporte"), sRuta});
  for (const auto& [sOpcion, sRuta] : Salidas)
    if (auto sError = RevisaSalida(sOpcion, sRuta))
      return sError;
  // Empty and zero get the window's own messages later; anything else that
  // does not convert is named here.
  static const QRegularExpression Cero(QStringLiteral("^0*([.,]0*)?$"));
  const QString sTipo = Args.sTipoCambio.trimmed();
  if (!sTipo.isEmpty() && ConvierteTipoCambio(sTipo) <= 0 && !Cero.match(sTipo).hasMatch())
    return QStringLiteral("El tipo de cambio no es un número mayor que cero: %1")
        .arg(Args.sTipoCambio);
  if (auto sError = RevisaCarpetasRepetidas(Args.sCarpeta, Args.Sucursales))
    return sError;
  QSet<QString> Vistas;
  TTablaMemoria Catalogo = vLocalidades;  // walked here without disturbing the picker's position
  Catalogo.SetFiltered(false);
  Catalogo.Open();
  for (const QString& sClave : Args.Claves) {
    if (!ExisteClave(Catalogo, sClave))
      return QStringLiteral("La localidad %1 no está en el catálogo.").arg(sClave);
    if (Vistas.contains(sClave))
      return QStringLiteral("La localidad %1 está repetida.").arg(sClave);
    Vistas.insert(sClave);
  }
  return {};
}

QString FormatoSoporte(const QString& sRuta)
{
  for (const QString& sFormato : {QStringLiteral("pdf"), QStringLiteral("json")})
    if (sRuta.endsWith(QLatin1Char('.') + sFormato, Qt::CaseInsensitive))
      return sFormato;
  return {};
}

std::optional<QString> RevisaCarpetasRepetidas(const QString& sCarpeta, const QStringList& Sucursales)
{
  QSet<QString> Vistas;
  for (const QString& sRuta : QStringList{sCarpeta} + Sucursales) {
    const QFileInfo Info(sRuta);
    const QString sResuelta = Info.exists() ? Info.canonicalFilePath() : Info.absoluteFilePath();
    if (Vistas.contains(sResuelta))
      return QStringLiteral("La carpeta %1 se indicó dos veces: cada back office se consolida una "
                            "sola vez.")
          .arg(sRuta);
    Vistas.insert(sResuelta);
  }
  return {};
}
