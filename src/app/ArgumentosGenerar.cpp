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
  return {};
}

bool ExisteClave(TTablaMemoria& vLocalidades, const QString& sClave)
{
  for (vLocalidades.First(); !vLocalidades.Eof(); vLocalidades.Next())
    if (vLocalidades.CampoTexto(QStringLiteral("Clave")) == sClave)
      return true;
  return false;
}

}  // namespace

std::optional<QString> LeeArgumentosGenerar(const QStringList& Argumentos,
                                            TArgumentosGenerar& Args)
{
  for (int i = 0; i < Argumentos.size(); ++i) {
    const QString& sOpcion = Argumentos[i];
    if (sOpcion == QLatin1String("--help") || sOpcion == QLatin1String("-h")) {
      Args.bAyuda = true;
      continue;
    }
    const bool bConValor = DestinoOpcion(sOpcion, Args) ||
                           sOpcion == QLatin1String("--usuario") ||
                           sOpcion == QLatin1String("--localidad");
    if (!bConValor)
      return QStringLiteral("Opción desconocida: %1").arg(sOpcion);
    if (i + 1 >= Argumentos.size())
      return QStringLiteral("Falta el valor de %1").arg(sOpcion);
    const QString sValor = Argumentos[++i];
    if (sOpcion == QLatin1String("--usuario"))
      Args.sUsuario = sValor;
    else if (sOpcion == QLatin1String("--localidad"))
      Args.Claves << sValor;
    else
      *DestinoOpcion(sOpcion, Args) = sValor;
  }
  if (Args.bAyuda)
    return {};
  if (Args.sCarpeta.isEmpty())
    return QStringLiteral("Falta --carpeta: la carpeta raíz del Tolvex.");
  if (Args.sPdf.isEmpty() && Args.sJson.isEmpty())
    return QStringLiteral("Indique al menos una salida: --pdf ARCHIVO o --json ARCHIVO.");
  return {};
}

std::optional<QString> RevisaArgumentosGenerar(const TArgumentosGenerar& Args,
                                               const TTablaMemoria& vLocalidades)
{
  for (const auto& [sOpcion, sRuta] : {std::pair{QStringLiteral("--pdf"), Args.sPdf},
                                       std::pair{QStringLiteral("--json"), Args.sJson}})
    if (auto sError = RevisaSalida(sOpcion, sRuta))
      return sError;
  // Empty and zero get the window's own messages later; anything else that
  // does not convert is named here.
  static const QRegularExpression Cero(QStringLiteral("^0*([.,]0*)?$"));
  const QString sTipo = Args.sTipoCambio.trimmed();
  if (!sTipo.isEmpty() && ConvierteTipoCambio(sTipo) <= 0 && !Cero.match(sTipo).hasMatch())
    return QStringLiteral("El tipo de cambio no es un número mayor que cero: %1")
        .arg(Args.sTipoCambio);
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

QString TextoAyuda()
{
  return QStringLiteral(
      "Uso:\n"
      "  encuesta-gafi                      abre la ventana; la carpeta del Tolvex es la del programa\n"
      "  encuesta-gafi --carpeta CARPETA    abre la ventana con CARPETA como carpeta raíz del Tolvex\n"
      "  encuesta-gafi generar --carpeta CARPETA --usuario USUARIO --password CONTRASEÑA\n"
      "                [--tipo-cambio 13.29] --localidad CLAVE (cinco veces)\n"
      "                [--pdf ARCHIVO.pdf] [--json ARCHIVO.json]\n"
      "\n"
      "generar hace lo mismo que el botón \"Generar reporte\" sin abrir la ventana: revisa los\n"
      "datos, se conecta a CARPETA/DataBase/Tolvex.mdb, lee la empresa de CARPETA/Tolvex.INI,\n"
      "valida al administrador, contesta las preguntas y escribe el reporte en lugar de\n"
      "mostrarlo. La confirmación se toma como Sí.\n"
      "\n"
      "  --carpeta      carpeta raíz del Tolvex (obligatoria)\n"
      "  --usuario      clave del usuario administrador del Tolvex, tal como se escribe\n"
      "  --password     su contraseña, tal como se escribe\n"
      "  --tipo-cambio  tipo de cambio promedio del 2014, mayor que cero; \".\" o el separador\n"
      "                 decimal regional, sin separadores de miles (13.29 si no se indica)\n"
      "  --localidad    clave de una localidad del catálogo (ocho dígitos); cinco distintas,\n"
      "                 la de mayor riesgo primero\n"
      "  --pdf          escribe el reporte en este archivo PDF\n"
      "  --json         escribe cada variable del reporte con el texto que imprime\n"
      "                 (null cuando no imprime nada), en el orden de la plantilla\n"
      "  Al menos una de --pdf y --json.\n"
      "\n"
      "Estado de salida:\n"
      "  0  reporte escrito y todas las preguntas contestadas\n"
      "  1  reporte escrito, pero alguna pregunta falló\n"
      "  2  los datos de la orden son incorrectos\n"
      "  3  el back office rechazó la ejecución (carpeta o base de datos ausente, sin conexión,\n"
      "     número de empresa, usuarios conectados, acceso rechazado)\n"
      "  4  error inesperado\n");
}
