#include "report/CargaPlantilla.h"

#include "report/Reporte.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace {

struct EPlantilla {
  TErrorPlantilla error;
};

// A value of the file with its path, read with the type the template expects.
class TValor {
 public:
  TValor(QJsonValue Valor, QString sLugar) : F_valor(std::move(Valor)), F_sLugar(std::move(sLugar)) {}

  [[noreturn]] void Falla(const QString& sMensaje) const { throw EPlantilla{{F_sLugar, sMensaje}}; }

  TValor Campo(const QString& sCampo) const
  {
    if (!F_valor.isObject())
      Falla("se esperaba un objeto");
    const QString sLugar = F_sLugar.isEmpty() ? sCampo : F_sLugar + '.' + sCampo;
    const QJsonObject objeto = F_valor.toObject();
    if (!objeto.contains(sCampo))
      TValor({}, sLugar).Falla("falta este campo");
    return TValor(objeto.value(sCampo), sLugar);
  }
  bool Tiene(const QString& sCampo) const { return F_valor.toObject().contains(sCampo); }

  QList<TValor> Lista(qsizetype nElementos = -1) const
  {
    if (!F_valor.isArray())
      Falla("se esperaba una lista");
    const QJsonArray arreglo = F_valor.toArray();
    if (nElementos >= 0 && arreglo.size() != nElementos)
      Falla(QString("se esperaba una lista de %1 elementos").arg(nElementos));
    QList<TValor> elementos;
    for (qsizetype i = 0; i < arreglo.size(); ++i)
      elementos.append(TValor(arreglo[i], QString("%1[%2]").arg(F_sLugar).arg(i)));
    return elementos;
  }

  QString Texto() const
  {
    if (!F_valor.isString())
      Falla("se esperaba un texto");
    return F_valor.toString();
  }
  std::optional<QString> TextoONulo() const
  {
    if (F_valor.isNull())
      return std::nullopt;
    return Texto();
  }
  double Numero() const
  {
    if (!F_valor.isDouble())
      Falla("se esperaba un número");
    return F_valor.toDouble();
  }
  int EnteroPositivo() const
  {
    const double d = Numero();
    if (d < 1 || d != int(d))
      Falla("se esperaba un entero positivo");
    return int(d);
  }
  bool Logico() const
  {
    if (!F_valor.isBool())
      Falla("se esperaba true o false");
    return F_valor.toBool();
  }
  QRectF Rect() const
  {
    const QList<TValor> v = Lista(4);
    return QRectF(v[0].Numero(), v[1].Numero(), v[2].Numero(), v[3].Numero());
  }
  QColor Color() const
  {
    const QColor color = QColor::fromString(Texto());
    if (!color.isValid())
      Falla("color no válido: " + Texto());
    return color;
  }
  template <typename T>
  T Uno(const QList<std::pair<QString, T>>& opciones) const
  {
    QStringList nombres;
    for (const auto& [sNombre, valor] : opciones) {
      if (Texto() == sNombre)
        return valor;
      nombres.append('"' + sNombre + '"');
    }
    Falla(QString("\"%1\" no es ninguno de %2").arg(Texto(), nombres.join(", ")));
  }

 private:
  QJsonValue F_valor;
  QString F_sLugar;
};

TMemo LeeMemo(const TValor& v)
{
  TMemo memo;
  memo.sNombre = v.Campo("nombre").Texto();
  memo.rect = v.Campo("rect").Rect();
  memo.sTexto = v.Campo("texto").Texto();
  memo.sFuente = v.Campo("fuente").Texto();
  memo.nPixeles = v.Campo("pixeles").EnteroPositivo();
  memo.bNegrita = v.Campo("negrita").Logico();
  memo.color = v.Campo("color").Color();
  memo.alineacion = v.Campo("alineacion").Uno<TAlineacion>({{"izquierda", TAlineacion::Izquierda},
                                                             {"centro", TAlineacion::Centro},
                                                             {"justificada", TAlineacion::Justificada}});
  memo.bCentradoVertical = v.Campo("centrado_vertical").Logico();
  memo.dRotacion = v.Campo("rotacion").Numero();
  memo.bAnchoAutomatico = v.Campo("ancho_automatico").Logico();
  return memo;
}

TImagen LeeImagen(const TValor& v, const TReporte& Reporte)
{
  TImagen imagen;
  imagen.sNombre = v.Campo("nombre").Texto();
  imagen.rect = v.Campo("rect").Rect();
  const TValor dibujo = v.Campo("dibujo");
  imagen.sDibujo = dibujo.Texto();
  if (!Reporte.Dibujos().contains(imagen.sDibujo))
    dibujo.Falla("no hay ningún dibujo llamado \"" + imagen.sDibujo + '"');
  const QList<TValor> pixeles = v.Campo("pixeles").Lista(2);
  imagen.pixeles = QSize(pixeles[0].EnteroPositivo(), pixeles[1].EnteroPositivo());
  imagen.bCentradaEnMarco = v.Campo("centrada").Logico();
  return imagen;
}

TPagina LeePagina(const TValor& v, const TReporte& Reporte)
{
  TPagina pagina;
  pagina.sNombre = v.Campo("nombre").Texto();
  const QList<TValor> tamano = v.Campo("tamano_mm").Lista(2);
  pagina.tamanoMm = QSizeF(tamano[0].Numero(), tamano[1].Numero());
  pagina.orientacion = v.Campo("orientacion").Uno<QPageLayout::Orientation>(
      {{"horizontal", QPageLayout::Landscape}, {"vertical", QPageLayout::Portrait}});
  const QList<TValor> margenes = v.Campo("margenes_mm").Lista(4);
  pagina.margenesMm = QMarginsF(margenes[0].Numero(), margenes[1].Numero(), margenes[2].Numero(),
                                margenes[3].Numero());
  for (const TValor& imagen : v.Campo("imagenes").Lista())
    pagina.imagenes.append(LeeImagen(imagen, Reporte));
  for (const TValor& memo : v.Campo("memos").Lista())
    pagina.memos.append(LeeMemo(memo));
  return pagina;
}

// Each entry is a category, or a variable with its initial value (null prints nothing).
TVariablesReporte LeeVariables(const TValor& v)
{
  TVariablesReporte variables;
  bool bEnCategoria = false;
  QSet<QString> nombres;
  for (const TValor& entrada : v.Lista()) {
    if (entrada.Tiene("categoria")) {
      variables.AgregaCategoria(entrada.Campo("categoria").Texto());
      bEnCategoria = true;
      continue;
    }
    const TValor nombre = entrada.Campo("nombre");
    if (!bEnCategoria)
      nombre.Falla("variable fuera de toda categoría");
    if (nombres.contains(nombre.Texto().toLower()))
      nombre.Falla("variable repetida: " + nombre.Texto());
    nombres.insert(nombre.Texto().toLower());
    variables.AgregaVariable(nombre.Texto(), entrada.Campo("valor").TextoONulo());
  }
  return variables;
}

}  // namespace

QString TErrorPlantilla::Texto() const
{
  return sLugar.isEmpty() ? sMensaje : sLugar + ": " + sMensaje;
}

std::optional<TErrorPlantilla> CargaPlantilla(TReporte& Reporte, const QByteArray& Json)
{
  Reporte.Limpia();
  QJsonParseError errorJson;
  const QJsonDocument documento = QJsonDocument::fromJson(Json, &errorJson);
  if (errorJson.error != QJsonParseError::NoError)
    return TErrorPlantilla{QString("línea %1").arg(Json.left(errorJson.offset).count('\n') + 1),
                           "JSON no válido: " + errorJson.errorString()};
  try {
    const TValor raiz(documento.isObject() ? QJsonValue(documento.object()) : QJsonValue(), {});
    const TVariablesReporte variables = LeeVariables(raiz.Campo("variables"));
    QList<TPagina> paginas;
    for (const TValor& pagina : raiz.Campo("paginas").Lista())
      paginas.append(LeePagina(pagina, Reporte));
    for (const TPagina& pagina : paginas)
      Reporte.AgregaPagina(pagina);
    Reporte.Variables() = variables;
  } catch (const EPlantilla& e) {
    return e.error;
  }
  return std::nullopt;
}
