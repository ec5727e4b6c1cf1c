#include "data/DibujosCuestionario.h"

#include "report/LienzoPagina.h"
#include "report/Reporte.h"

namespace {

using TTramos = QList<std::pair<double, double>>;

std::pair<double, double> TramoX(const QRectF& r) { return {r.left(), r.right()}; }
std::pair<double, double> TramoY(const QRectF& r) { return {r.top(), r.bottom()}; }

QRectF Entre(double x0, double x1, double y0, double y1)
{
  return QRectF(QPointF(x0, y0), QPointF(x1, y1));
}

void Enunciado(TLienzoPagina& l, double y0, double y1, const QString& sTexto)
{
  const QRectF visible = l.Visible();
  l.Texto(Entre(visible.left() + 18, visible.right() - 18, y0, y1), sTexto, 13, false,
          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
}

// Rows of cells under the memos; a "No." column (or the given labels) at the left.
void Cuerpo(TLienzoPagina& l, const QList<double>& xs, const QList<double>& ys, double xEtiqueta,
            const QStringList& etiquetas, int nPixelesEtiqueta = 12)
{
  for (qsizetype r = 0; r + 1 < ys.size(); ++r) {
    l.Celda(Entre(xEtiqueta, xs.first(), ys[r], ys[r + 1]), etiquetas.value(r), nPixelesEtiqueta);
    for (qsizetype c = 0; c + 1 < xs.size(); ++c)
      l.Celda(Entre(xs[c], xs[c + 1], ys[r], ys[r + 1]));
  }
}

void Encabezados(TLienzoPagina& l, const QList<double>& xs, double xEtiqueta, double y0, double y1,
                 const QStringList& titulos)
{
  QList<double> bordes{xEtiqueta};
  bordes.append(xs);
  for (qsizetype c = 0; c + 1 < bordes.size(); ++c)
    l.Encabezado(Entre(bordes[c], bordes[c + 1], y0, y1), titulos.value(c));
}

QStringList Numeros(int n)
{
  QStringList numeros;
  for (int i = 1; i <= n; ++i)
    numeros.append(QString::number(i));
  return numeros;
}

void Preg05(TLienzoPagina& l)
{
  TTramos columnas;
  for (int c = 1; c <= 4; ++c)
    columnas.append(TramoX(l.Memo(QString("txPreg5_2_%1").arg(c))));
  columnas.append(TramoX(l.Memo("txCaractRiesgo")));
  TTramos filas;
  for (int r = 1; r <= 5; ++r)
    filas.append(TramoY(l.Memo(QString("txPreg5_%1_2").arg(r))));
  const QList<double> xs = TLienzoPagina::Bordes(columnas);
  const QList<double> ys = TLienzoPagina::Bordes(filas, 0.5);
  const double xNo = xs.first() - 28;
  Enunciado(l, 2, ys.first() - 42,
            "5.- Indique cuáles son las 5 localidades que el centro cambiario considera de mayor "
            "riesgo en materia de LD/FT, donde 1 es la de mayor riesgo, y enliste para cada una de "
            "ellas: el tipo de operación predominante, el tipo de instrumento monetario "
            "predominante y la moneda principalmente utilizada en las operaciones registradas en "
            "dichas localidades; así como las 3 principales características de riesgo asociadas a "
            "cada zona geográfica.");
  Encabezados(l, xs, xNo, ys.first() - 36, ys.first(),
              {"No.", "Localidad", "Tipo de operación", "Instrumento monetario", "Moneda",
               "Principales características de riesgo"});
  Cuerpo(l, xs, ys, xNo, Numeros(5));
  // Three sub-rows a., b., c. in the risk column.
  for (qsizetype r = 0; r + 1 < ys.size(); ++r) {
    const double dAlto = (ys[r + 1] - ys[r]) / 3;
    for (int k = 0; k < 3; ++k) {
      const double y = ys[r] + k * dAlto;
      if (k > 0)
        l.Linea({xs[4], y}, {xs[5], y});
      l.Texto(Entre(xs[4] + 3, xs[4] + 16, y, y + dAlto), QString("%1.").arg(QChar('a' + k)), 11,
              false, Qt::AlignLeft | Qt::AlignVCenter);
    }
  }
}

void Preg07(TLienzoPagina& l)
{
  const TTramos columnas{TramoX(l.Memo("txPreg07_1_1")), TramoX(l.Memo("txPreg07_1_2"))};
  TTramos filas;
  for (int r = 1; r <= 4; ++r)
    filas.append(TramoY(l.Memo(QString("txPreg07_%1_1").arg(r))));
  const QList<double> xs = TLienzoPagina::Bordes(columnas, 0.5);
  const QList<double> ys = TLienzoPagina::Bordes(filas, 1.0);
  const double xTrimestre = xs.first() - 130;
  Enunciado(l, l.Visible().top() + 10, ys.first() - 58,
            "7.- Considerando el número de alertas de riesgo que se activaron en cada trimestre "
            "del año 2014, posterior a un proceso de análisis, indique cuántos casos se "
            "consideraron para el envío de reportes de operaciones inusuales.");
  Encabezados(l, xs, xTrimestre, ys.first() - 46, ys.first(),
              {"Trimestre", "Núm. total de alertas", "Núm. de casos considerados para ROI´s"});
  Cuerpo(l, xs, ys, xTrimestre,
         {"1er. Trimestre 2014", "2do. Trimestre 2014", "3er. Trimestre 2014", "4to. Trimestre 2014"});
}

void Preg08(TLienzoPagina& l)
{
  TTramos filas;
  for (int n = 1; n <= 10; ++n)
    filas.append(TramoY(l.Memo(QString("txPreg8_%1").arg(n))));
  const QList<double> xs = TLienzoPagina::Bordes({TramoX(l.Memo("txPreg8_1"))});
  const QList<double> ys = TLienzoPagina::Bordes(filas, 1.5);
  const double xNo = xs.first() - 32;
  Enunciado(l, l.Visible().top() + 10, ys.first() - 40,
            "8.- De acuerdo al sistema de monitoreo con que cuenta el centro cambiario, enliste "
            "las 10 alertas con mayor incidencia, donde 1 es la más recurrente.");
  Encabezados(l, xs, xNo, ys.first() - 28, ys.first(), {"No.", "Alerta"});
  Cuerpo(l, xs, ys, xNo, Numeros(10));
}

// A table with a title row over the headings row.
void Titulo(TLienzoPagina& l, double x0, double x1, double y0, double y1, const QString& sTitulo)
{
  l.Encabezado(Entre(x0, x1, y0, y1), sTitulo);
}

void Preg17(TLienzoPagina& l)
{
  const TTramos columnas{TramoX(l.Memo("txPreg17_1_1")), TramoX(l.Memo("txPreg17_1_2"))};
  TTramos filas;
  for (int r = 1; r <= 5; ++r)
    filas.append(TramoY(l.Memo(QString("txPreg17_%1_1").arg(r))));
  const QList<double> xs = TLienzoPagina::Bordes(columnas);
  const QList<double> ys = TLienzoPagina::Bordes(filas, 1.0);
  const double xNo = xs.first() - 34;
  Enunciado(l, l.Visible().top() + 8, ys.first() - 64,
            "17.- Indique cuáles son las 5 localidades que mayor número de operaciones "
            "registraron durante el año 2014.");
  Titulo(l, xNo, xs.last(), ys.first() - 56, ys.first() - 32, "Mayor volumen de operaciones");
  Encabezados(l, xs, xNo, ys.first() - 32, ys.first(), {"No.", "Localidad", "Número de Operaciones"});
  Cuerpo(l, xs, ys, xNo, Numeros(5));
}

void Preg18(TLienzoPagina& l)
{
  const TTramos columnas{TramoX(l.Memo("txPreg18_1_1")), TramoX(l.Memo("txPreg18_2_2_2")),
                         TramoX(l.Memo("txPreg18_2_3_2"))};
  TTramos lugares;
  for (int r = 1; r <= 5; ++r)
    lugares.append(TramoY(l.Memo(QString("txPreg18_%1_1").arg(r))));
  const QList<double> xs = TLienzoPagina::Bordes(columnas, 2.0);
  const QList<double> ys = TLienzoPagina::Bordes(lugares, 1.0);
  const double xNo = xs.first() - 32;
  Enunciado(l, 4, ys.first() - 60,
            "18.- Indique cuáles son las 5 localidades que mayor monto operaron durante el año "
            "2014, para cada localidad puede incluir hasta 3 monedas.");
  Titulo(l, xNo, xs.last(), ys.first() - 54, ys.first() - 28, "Mayor monto operado");
  Encabezados(l, xs, xNo, ys.first() - 28, ys.first(), {"No.", "Localidad", "Monto", "Moneda"});
  Cuerpo(l, xs, ys, xNo, Numeros(5));
  // Sub-rows a., b., c. of the amount and currency columns.
  for (int r = 1; r <= 5; ++r) {
    TTramos subfilas;
    for (int k = 1; k <= 3; ++k)
      subfilas.append(TramoY(l.Memo(QString("txPreg18_%1_2_%2").arg(r).arg(k))));
    QList<double> bordes = TLienzoPagina::Bordes(subfilas);
    bordes.first() = ys[r - 1];
    bordes.last() = ys[r];
    for (int k = 0; k < 3; ++k) {
      if (k > 0)
        l.Linea({xs[1], bordes[k]}, {xs[3], bordes[k]});
      l.Texto(Entre(xs[1] + 2, xs[1] + 12, bordes[k], bordes[k + 1]),
              QString("%1.").arg(QChar('a' + k)), 9, false, Qt::AlignLeft | Qt::AlignVCenter);
    }
  }
}

void Preg19(TLienzoPagina& l)
{
  TTramos columnas;
  for (int c = 1; c <= 3; ++c)
    columnas.append(TramoX(l.Memo(QString("txPreg19_1_%1").arg(c))));
  TTramos filas;
  for (int r = 1; r <= 5; ++r)
    filas.append(TramoY(l.Memo(QString("txPreg19_%1_2").arg(r))));
  const QList<double> xs = TLienzoPagina::Bordes(columnas);
  const QList<double> ys = TLienzoPagina::Bordes(filas, 3.0);
  const double xNo = xs.first() - 34;
  Enunciado(l, l.Visible().top() + 6, ys.first() - 62,
            "19.- Indique cuáles son las 5 divisas con mayor monto operado por VENTA DE DIVISAS "
            "durante el año 2014, es decir, las divisas que más vendió el centro cambiario a sus "
            "usuarios durante el año; por cada una de ellas, mencione el número de operaciones de "
            "venta de divisas registradas en el año y el monto total operado por la venta de cada "
            "divisa.");
  Titulo(l, xNo, xs.last(), ys.first() - 56, ys.first() - 32, "Venta de divisas durante el año 2014");
  Encabezados(l, xs, xNo, ys.first() - 32, ys.first(),
              {"No.", "Moneda", "No. de Operaciones", "Monto operado"});
  Cuerpo(l, xs, ys, xNo, Numeros(5));
}

void Preg20(TLienzoPagina& l)
{
  const QRectF si = l.Memo("txPreg20_SI");
  const QRectF no = l.Memo("txPreg20_NO");
  Enunciado(l, l.Visible().top() + 4, si.top() - 6,
            "20.- Indique si durante el año 2014, el centro cambiario tuvo que recurrir a otros "
            "Sujetos Obligados (del sector financiero o actividades vulnerables) para solventar "
            "sus necesidades de operación (oferta/demanda) de divisas (incluyendo M.N.).");
  for (const QRectF& marca : {si, no}) {
    const double dDiametro = marca.height();
    l.Circulo(QRectF(marca.center().x() - dDiametro / 2, marca.top(), dDiametro, dDiametro));
  }
  l.Texto(Entre(si.left() - 22, si.left() - 4, si.top(), si.bottom()), "SI", 13, true);
  l.Texto(Entre(no.left() - 24, no.left() - 4, no.top(), no.bottom()), "NO", 13, true);
  TTramos columnas;
  for (int c = 1; c <= 4; ++c)
    columnas.append(TramoX(l.Memo(QString("txPreg20_1_%1").arg(c))));
  TTramos filas;
  for (int r = 1; r <= 5; ++r)
    filas.append(TramoY(l.Memo(QString("txPreg20_%1_1").arg(r))));
  const QList<double> xs = TLienzoPagina::Bordes(columnas);
  const QList<double> ys = TLienzoPagina::Bordes(filas, 1.0);
  const double xNo = xs.first() - 30;
  Enunciado(l, si.bottom() + 8, ys.first() - 70,
            "En caso afirmativo, mencione los cinco tipos de sujetos obligados a los que recurre "
            "principalmente para solventar dichas necesidades, junto con la moneda principal por "
            "tipo de institución y el principal tipo de operación predominante que realizan con "
            "ella.");
  Encabezados(l, xs, xNo, ys.first() - 62, ys.first(),
              {"No.", "Tipo de sujeto obligado con que opera", "Moneda de principal uso",
               "Tipo de Operación que realiza el centro cambiario",
               "Periodicidad aproximada de realización de operación"});
  Cuerpo(l, xs, ys, xNo, Numeros(5));
}

void Preg2122(TLienzoPagina& l)
{
  TTramos filas21;
  for (int n = 1; n <= 3; ++n)
    filas21.append(TramoY(l.Memo(QString("txPregunta21_%1").arg(n))));
  const QList<double> xs21 = TLienzoPagina::Bordes({TramoX(l.Memo("txPregunta21_1"))}, 2.0);
  const QList<double> ys21 = TLienzoPagina::Bordes(filas21, 2.0);
  const double xUmbral = xs21.first() - 140;
  Enunciado(l, l.Visible().top() + 6, ys21.first() - 32,
            "21.- Indique cuántas de las operaciones registradas en el año 2014, se realizaron "
            "dentro de los siguientes umbrales.");
  Encabezados(l, xs21, xUmbral, ys21.first() - 26, ys21.first(), {"Umbral*", "Núm. de operaciones"});
  Cuerpo(l, xs21, ys21, xUmbral, {"1 a 3,000 USD", "3,0001 a 5,000 USD", "5,001 USD o mayor"});
  l.Texto(Entre(xUmbral, xs21.last() + 60, ys21.last() + 1, ys21.last() + 11),
          "*Monto en USD o su equivalente en otra moneda.", 9, false, Qt::AlignLeft | Qt::AlignVCenter);

  TTramos filas22;
  for (int n = 1; n <= 2; ++n)
    filas22.append(TramoY(l.Memo(QString("txPregunta22_%1").arg(n))));
  const QList<double> xs22 = TLienzoPagina::Bordes({TramoX(l.Memo("txPregunta22_1"))}, 2.0);
  const QList<double> ys22 = TLienzoPagina::Bordes(filas22, 2.0);
  const double xPersonas = xs22.first() - 150;
  Enunciado(l, l.Memo("txNotaPreg21").bottom() + 4, ys22.first() - 46,
            "22.- De las operaciones registradas durante el año 2014, indiqué cuántas fueron "
            "realizadas por usuarios de nacionalidad extranjera.");
  l.Encabezado(Entre(xPersonas, xs22.last(), ys22.first() - 40, ys22.first()),
               "Núm. de operaciones registradas por usuarios de nacionalidad extranjera");
  Cuerpo(l, xs22, ys22, xPersonas, {"Personas físicas", "Personas morales"});
}

}  // namespace

void RegistraDibujosCuestionario(TReporte& Reporte)
{
  for (const auto& [sNombre, Dibujo] :
       QList<std::pair<QString, TDibujo>>{{"Pregunta05", Preg05}, {"Pregunta07", Preg07},
                                          {"Pregunta08", Preg08}, {"Pregunta17", Preg17},
                                          {"Pregunta18", Preg18}, {"Pregunta19", Preg19},
                                          {"Pregunta20", Preg20}, {"Preguntas21y22", Preg2122}})
    Reporte.RegistraDibujo(sNombre, Dibujo);
}
