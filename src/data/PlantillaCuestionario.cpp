#include "data/PlantillaCuestionario.h"

#include "data/DibujosCuestionario.h"
#include "report/Reporte.h"

namespace {

const QColor CC_GRIS(128, 128, 128);
const QColor CC_MARRON(128, 0, 0);
const QColor CC_ROJO(255, 0, 0);
const QColor CC_GRIS_TEXTO(109, 109, 109);  // the system's grey-text colour
const QString CC_CUESTIONARIO = QStringLiteral("Cuestionario");
const QString CC_NOTA_PUBLICO = QStringLiteral(
    "NOTA: No se consideran Operaciones registradas a \"PÚBLICO EN GENERAL\" ya que no "
    "cuenta con una Localidad asignada.");
constexpr double CC_ANCHO_IMAGEN = 740.2;
constexpr double CC_ALTO_IMAGEN = 483.4;

TPagina Pagina(const QString& sNombre, double dAltoMm)
{
  TPagina pagina;
  pagina.sNombre = sNombre;
  pagina.tamanoMm = QSizeF(216, dAltoMm);
  return pagina;
}

// A frame whose Left centres it within the printable width.
double IzquierdaCentrada(const TPagina& pagina, double dAncho)
{
  return (pagina.AnchoImprimible() - dAncho) / 2;
}

void Imagen(TPagina& pagina, const QString& sNombre, double dIzq, double dArriba, double dAncho,
            double dAlto, bool bCentrada, const QString& sDibujo, QSize pixeles)
{
  pagina.imagenes.append({sNombre, QRectF(dIzq, dArriba, dAncho, dAlto), sDibujo, pixeles, bCentrada});
}

TMemo& Respuesta(TPagina& pagina, const QString& sMemo, const QString& sVariable, double dIzq,
                 double dArriba, double dAncho, double dAlto)
{
  TMemo memo;
  memo.sNombre = sMemo;
  memo.rect = QRectF(dIzq, dArriba, dAncho, dAlto);
  memo.sTexto = '[' + sVariable + ']';
  memo.sFuente = "Arial Narrow";
  memo.nPixeles = 11;
  memo.alineacion = TAlineacion::Centro;
  memo.bCentradoVertical = true;
  pagina.memos.append(memo);
  return pagina.memos.last();
}

void Nota(TPagina& pagina, const QString& sMemo, double dIzq, double dArriba, double dAlto,
          const QString& sTexto)
{
  TMemo memo;
  memo.sNombre = sMemo;
  memo.rect = QRectF(dIzq, dArriba, 739.84292, dAlto);
  memo.sTexto = sTexto;
  memo.color = CC_MARRON;
  memo.bCentradoVertical = true;
  pagina.memos.append(memo);
}

void NombreCC(TPagina& pagina, int nPagina, double dArriba, double dIzq = 0,
              double dAlto = 29.29765)
{
  TMemo memo;
  memo.sNombre = QString("NombreCC_Pg%1").arg(nPagina, 2, 10, QChar('0'));
  memo.rect = QRectF(dIzq, dArriba, 214.48825, dAlto);
  memo.sTexto = "[NombreCC]";
  memo.color = CC_GRIS;
  memo.bCentradoVertical = true;
  memo.bAnchoAutomatico = true;
  pagina.memos.append(memo);
}

TPagina PaginaAviso()
{
  TPagina pagina = Pagina("Aviso", 160);
  TMemo memo;
  memo.sNombre = "txAviso";
  memo.rect = QRectF(15.11812, 117.16543, 728.50433, 290.08522);
  memo.sTexto =
      "NOTA 1: Si cuenta con sucursales deberá obtener el reporte de cada una de ellas y hacer "
      "las sumatorias, promedios y cálculos correspondientes para consolidar la información y "
      "obtener el resultado correcto.\n\n"
      "NOTA 2:La información que aparece entre paréntesis es solamente de carácter informativo "
      "y no debe capturarse en el cuestionario. La misma es auxiliar para hacer los cálculos en "
      "el caso que el CC cuente con sucursales.";
  memo.nPixeles = 23;
  memo.bNegrita = true;
  memo.color = CC_MARRON;
  memo.alineacion = TAlineacion::Justificada;
  memo.bCentradoVertical = true;
  pagina.memos.append(memo);
  return pagina;
}

TPagina PaginaPreg05()
{
  TPagina pagina = Pagina("Página_01", 180);
  Imagen(pagina, "imgPreg05", 0, -3.77953, CC_ANCHO_IMAGEN, CC_ALTO_IMAGEN, true, "Pregunta05",
         {1700, 1283});
  const double izq[4] = {124.72449, 196.1576878, 294.4254678, 380.1341878};
  const double izqFila1[4] = {125.1023622, 196.53556, 294.80334, 380.51206};
  const double ancho[4] = {67.08658, 93.54329, 82.2047, 63.30705};
  const double arriba[5] = {128.50402, 196.53556, 264.5671, 332.59864, 400.63018};
  const double arribaCol1[5] = {128.80606, 196.8376, 264.86914, 332.90068, 400.93222};
  for (int r = 1; r <= 5; ++r)
    for (int c = 1; c <= 4; ++c)
      Respuesta(pagina, QString("txPreg5_%1_%2").arg(r).arg(c), QString("preg_5.%1.%2").arg(r).arg(c),
                r == 1 ? izqFila1[c - 1] : izq[c - 1], c == 1 ? arribaCol1[r - 1] : arriba[r - 1],
                ancho[c - 1], 67.09295);
  TMemo& riesgo = Respuesta(pagina, "txCaractRiesgo", QString(), 445.98454, 128.50402, 191.81107,
                            339.21911);
  const QString sResponder = "(*El CC debe responder*)";
  riesgo.sTexto = QStringList{sResponder, "", "", "", sResponder, "", "", "", sResponder}.join('\n');
  riesgo.nPixeles = 13;
  riesgo.bNegrita = true;
  riesgo.color = CC_GRIS_TEXTO;
  riesgo.dRotacion = 20;
  Nota(pagina, "txNotaPreg5", 0, 483.77984, 78.61420496,
       "NOTA: Podrá seleccionar una Localidad que considere de mayor riesgo y que no existan "
       "Operaciones con Usuarios registrados en esa Localidad.\n\n"
       "En ese caso no se mostrará ninguna información en Tipo de Operación, Instrumento "
       "Monetario y Moneda.");
  NombreCC(pagina, 1, 574.8929622, 0, 29.48031496);
  return pagina;
}

TPagina PaginaPreg07()
{
  TPagina pagina = Pagina("Página_08", 160);
  Imagen(pagina, "imgPreg07", 0, 0, CC_ANCHO_IMAGEN, CC_ALTO_IMAGEN, true, "Pregunta07",
         {1700, 875});
  const double izq[2] = {219.21274, 427.08689};
  const double arriba[4] = {226.7718, 273.90569, 321.26005, 367.61441};
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 2; ++c)
      Respuesta(pagina, QString("txPreg07_%1_%2").arg(r).arg(c), QString("preg_7.%1.%2").arg(r).arg(c),
                izq[c - 1], arriba[r - 1], 206.92919, 44.41577);
  NombreCC(pagina, 8, 498.51968503937);
  return pagina;
}

TPagina PaginaPreg08()
{
  TPagina pagina = Pagina("Página_02", 180);
  Imagen(pagina, "imgPreg08", IzquierdaCentrada(pagina, CC_ANCHO_IMAGEN), 18.89765, CC_ANCHO_IMAGEN,
         CC_ALTO_IMAGEN, false, "Pregunta08", {1700, 1061});
  const double arriba[10] = {147.40167, 181.41744, 215.43321, 245.66945, 279.68522,
                             309.92146, 343.93723, 374.17347, 408.18924, 442.20501};
  for (int n = 1; n <= 10; ++n)
    Respuesta(pagina, QString("txPreg8_%1").arg(n), QString("preg_8.%1").arg(n), 105.82684,
              arriba[n - 1], 554.64595, 29.29765);
  Nota(pagina, "txNotaPreg8", 0, 506.45702, 59.71655496,
       "NOTA: Se consideran todas las Alertas desde el 01/11/2011 a la fecha.");
  NombreCC(pagina, 2, 574.8929622);
  return pagina;
}

TPagina PaginaPreg17()
{
  TPagina pagina = Pagina("Página_03", 180);
  Imagen(pagina, "imgPreg17", 0, 75.5906, CC_ANCHO_IMAGEN, CC_ALTO_IMAGEN, false, "Pregunta17",
         {1275, 554});
  const double izq[2] = {253.22851, 427.08689};
  const double ancho[2] = {165.35436, 97.32282};
  const double arriba[5] = {204.09462, 241.88992, 275.90569, 309.92146, 347.71676};
  for (int r = 1; r <= 5; ++r)
    for (int c = 1; c <= 2; ++c)
      Respuesta(pagina, QString("txPreg17_%1_%2").arg(r).arg(c), QString("preg_17.%1.%2").arg(r).arg(c),
                izq[c - 1], arriba[r - 1], ancho[c - 1], 33.07718);
  Nota(pagina, "txNotaPreg17", 0, 491.3389, 78.61420496, CC_NOTA_PUBLICO);
  NombreCC(pagina, 3, 574.0929622);
  return pagina;
}

TPagina PaginaPreg18()
{
  TPagina pagina = Pagina("Página_04", 180);
  Imagen(pagina, "imgPreg18", IzquierdaCentrada(pagina, 585.23927), 0, 585.23927, 509.85671, false,
         "Pregunta18", {1275, 1090});
  const double arriba[5] = {101.04731, 177.63791, 257.00804, 332.59864, 411.96877};
  const double subfilas[5][3] = {{102.04731, 127.50402, 153.96073},
                                 {178.63791, 204.09462, 230.55133},
                                 {258.00804, 283.46475, 309.92146},
                                 {333.59864, 359.05535, 385.51206},
                                 {412.96877, 438.42548, 464.88219}};
  for (int r = 1; r <= 5; ++r) {
    Respuesta(pagina, QString("txPreg18_%1_1").arg(r), QString("preg_18.%1.1").arg(r), 230.55133,
              arriba[r - 1], 108.66141, 74.65201);
    for (int c = 2; c <= 3; ++c)
      for (int k = 1; k <= 3; ++k) {
        const double dIzq = (c == 2 ? 347.71676 : 445.98454) - (k == 1 ? 1 : 0);
        Respuesta(pagina, QString("txPreg18_%1_%2_%3").arg(r).arg(c).arg(k),
                  QString("preg_18.%1.%2.%3").arg(r).arg(c).arg(k), dIzq, subfilas[r - 1][k - 1],
                  93.54329, 21.73859);
      }
  }
  Nota(pagina, "txNotaPreg18", 0, 491.3389, 78.61420496, CC_NOTA_PUBLICO);
  NombreCC(pagina, 4, 574.8929622);
  return pagina;
}

TPagina PaginaPreg19()
{
  TPagina pagina = Pagina("Página_05", 180);
  Imagen(pagina, "imgPreg19", IzquierdaCentrada(pagina, CC_ANCHO_IMAGEN), 75.5906, CC_ANCHO_IMAGEN,
         332.2188, false, "Pregunta19", {1275, 570});
  const double izq[3] = {211.65368, 370.39394, 453.5436};
  const double ancho[3] = {150.23624, 78.42517, 112.44094};
  const double arribaCol1[5] = {235.11039, 267.34663, 298.58287, 328.81911, 359.05535};
  const double arriba[5] = {235.33086, 267.5671, 298.80334, 329.03958, 359.27582};
  for (int r = 1; r <= 5; ++r)
    for (int c = 1; c <= 3; ++c)
      Respuesta(pagina, QString("txPreg19_%1_%2").arg(r).arg(c), QString("preg_19.%1.%2").arg(r).arg(c),
                izq[c - 1], c == 1 ? arribaCol1[r - 1] : arriba[r - 1], ancho[c - 1], 25.51812);
  Nota(pagina, "txNotaPreg19", 3.77953, 445.98454, 78.61420496,
       "NOTA: No se consideran  ventas hechas a Entidades del Sector Financiero.");
  NombreCC(pagina, 5, 571.1134322, 2.17953);
  return pagina;
}

TPagina PaginaPreg20()
{
  TPagina pagina = Pagina("Página_06", 160);
  Imagen(pagina, "imgPreg20", 0, 22.67718, CC_ANCHO_IMAGEN, CC_ALTO_IMAGEN, false, "Pregunta20",
         {1275, 786});
  for (const auto& [sCual, dIzq] : {std::pair{QString("SI"), 42.57483}, std::pair{QString("NO"), 106.82684}}) {
    TMemo& marca = Respuesta(pagina, "txPreg20_" + sCual, "preg_20_" + sCual, dIzq, 94.48825,
                             21.73222, 25.51812);
    marca.nPixeles = 13;
    marca.bNegrita = true;
    marca.color = CC_ROJO;
  }
  const double izq[4] = {124.72449, 277.68522, 383.51206, 504.23655};
  const double ancho[4] = {150.23624, 101.10235, 116.22047, 142.67718};
  const double arriba[5] = {320.26005, 348.71676, 377.73253, 407.18924, 434.64595};
  for (int r = 1; r <= 5; ++r)
    for (int c = 1; c <= 4; ++c) {
      TMemo& memo = Respuesta(pagina, QString("txPreg20_%1_%2").arg(r).arg(c),
                              QString("preg_20.%1.%2").arg(r).arg(c), izq[c - 1], arriba[r - 1],
                              ancho[c - 1], 25.51812);
      if (c == 1)
        memo.nPixeles = 9;
    }
  NombreCC(pagina, 6, 498.5023622);
  return pagina;
}

TPagina PaginaPreg2122()
{
  TPagina pagina = Pagina("Página_07", 180);
  Imagen(pagina, "imgPreg2122", IzquierdaCentrada(pagina, 713.74329), 7.55906, 713.74329,
         CC_ALTO_IMAGEN, false, "Preguntas21y22", {1700, 1133});
  const double arriba21[3] = {124.72449, 154.96073, 185.19697};
  for (int n = 1; n <= 3; ++n)
    Respuesta(pagina, QString("txPregunta21_%1").arg(n), QString("preg_21.%1").arg(n), 362.83488,
              arriba21[n - 1], 135.11812, 25.51812);
  const double arriba22[2] = {385.51206, 419.52783};
  for (int n = 1; n <= 2; ++n)
    Respuesta(pagina, QString("txPregunta22_%1").arg(n), QString("preg_22.%1").arg(n), 423.30736,
              arriba22[n - 1], 85.98423, 29.29765);
  Nota(pagina, "txNotaPreg21", 3.77953, 219.21274, 48.37796496,
       "NOTA: Sí se consideran Operaciones con \"PÚBLICO EN GENERAL\".");
  Nota(pagina, "txNotaPreg22", 3.77953, 491.3389, 78.61420496,
       "NOTA: No se consideran  Operaciones con Instituciones Financieras Extranjeras.");
  NombreCC(pagina, 7, 574.8929622);
  return pagina;
}

void Variables(TVariablesReporte& v)
{
  const auto preg = [&v](const QString& sSufijo) { v.AgregaVariable("preg_" + sSufijo, std::nullopt); };
  v.AgregaCategoria(CC_CUESTIONARIO);
  v.AgregaVariable("NombreCC", "'Centro Cambiario de Prueba, S.A. de C.V.'");
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 4; ++c)
      preg(QString("5.%1.%2").arg(r).arg(c));
  for (int n = 1; n <= 10; ++n)
    preg(QString("8.%1").arg(n));
  for (int r = 1; r <= 5; ++r)
    for (int c = 1; c <= 2; ++c)
      preg(QString("17.%1.%2").arg(r).arg(c));
  for (int r = 1; r <= 5; ++r)
    for (const char* sSufijo : {"1", "2.1", "2.2", "2.3", "3.1", "3.2", "3.3"})
      preg(QString("18.%1.%2").arg(r).arg(sSufijo));
  for (int r = 1; r <= 5; ++r)
    for (int c = 1; c <= 3; ++c)
      preg(QString("19.%1.%2").arg(r).arg(c));
  preg("20_SI");
  preg("20_NO");
  for (int r = 1; r <= 5; ++r)
    for (int c = 1; c <= 4; ++c)
      preg(QString("20.%1.%2").arg(r).arg(c));
  for (const char* sSufijo : {"21.1", "21.2", "21.3", "22.1", "22.2"})
    preg(sSufijo);
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 2; ++c)
      preg(QString("7.%1.%2").arg(r).arg(c));
  for (int c = 1; c <= 4; ++c)
    preg(QString("5.5.%1").arg(c));
}

}  // namespace

void CargaPlantillaCuestionario(TReporte& Reporte)
{
  Reporte.Limpia();
  RegistraDibujosCuestionario(Reporte);
  for (const TPagina& pagina : {PaginaAviso(), PaginaPreg05(), PaginaPreg07(), PaginaPreg08(),
                                PaginaPreg17(), PaginaPreg18(), PaginaPreg19(), PaginaPreg20(),
                                PaginaPreg2122()})
    Reporte.AgregaPagina(pagina);
  Variables(Reporte.Variables());
}

TAjustesPDF AjustesPDFCuestionario()
{
  return {"CuestionarioCNBV_2015", "Cuestionario CNBV 2015", "Cuestionario CNBV 2015", "Tolvex"};
}
