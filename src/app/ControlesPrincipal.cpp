#include "app/ControlesPrincipal.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QValidator>

#include "app/MarcoRedondeado.h"

namespace {

const QColor CC_TEAL(0, 128, 128);
const QColor CC_MARRON(128, 0, 0);
const QColor CC_GRIS_OSCURO(72, 72, 72);
const QColor CC_NEGRO(0, 0, 0);
const QColor CC_PLATA(192, 192, 192);

// Letters become capitals as they are typed or pasted.
class TValidadorMayusculas : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& sEntrada, int&) const override
  {
    sEntrada = sEntrada.toUpper();
    return Acceptable;
  }
};

// Every character of the password shows as "*".
class TEstiloPassword : public QProxyStyle {
 public:
  int styleHint(StyleHint Pista, const QStyleOption* Opcion, const QWidget* Control,
                QStyleHintReturn* Retorno) const override
  {
    if (Pista == SH_LineEdit_PasswordCharacter)
      return u'*';
    return QProxyStyle::styleHint(Pista, Opcion, Control, Retorno);
  }
};

// List lines 13 pixels high.
class TDelegadoRenglon : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& Opcion, const QModelIndex& Indice) const override
  {
    return {QStyledItemDelegate::sizeHint(Opcion, Indice).width(), 13};
  }
};

template <class T>
T* Ubica(T* Control, const char* sNombre, int nIzq, int nArriba, int nAncho, int nAlto)
{
  Control->setObjectName(QString::fromLatin1(sNombre));
  Control->setGeometry(nIzq, nArriba, nAncho, nAlto);
  return Control;
}

void PonColor(QWidget* Control, const QColor& cColor)
{
  QPalette paleta = Control->palette();
  paleta.setColor(QPalette::WindowText, cColor);
  Control->setPalette(paleta);
}

void PonLetra(QWidget* Control, int nAltoPx, bool bNegrita = false)
{
  QFont letra = Control->font();
  letra.setPixelSize(nAltoPx);
  letra.setBold(bNegrita);
  Control->setFont(letra);
}

QLabel* Etiqueta(QWidget* Forma, const char* sNombre, int nIzq, int nArriba, int nAncho,
                 int nAlto, const QString& sTexto, const QColor& cColor,
                 Qt::Alignment Alineacion = Qt::AlignLeft)
{
  auto* txEtiqueta = Ubica(new QLabel(sTexto, Forma), sNombre, nIzq, nArriba, nAncho, nAlto);
  txEtiqueta->setAlignment(Alineacion | Qt::AlignTop);
  PonColor(txEtiqueta, cColor);
  return txEtiqueta;
}

// Labels size themselves to their text as the originals did; a right-aligned one
// keeps its right edge. The status line keeps its fixed size.
void AjustaAncho(QLabel* txEtiqueta)
{
  const int nFalta = txEtiqueta->sizeHint().width() - txEtiqueta->width();
  if (nFalta <= 0)
    return;
  QRect rGeometria = txEtiqueta->geometry();
  if (txEtiqueta->alignment() & Qt::AlignRight)
    rGeometria.setLeft(rGeometria.left() - nFalta);
  else
    rGeometria.setWidth(rGeometria.width() + nFalta);
  txEtiqueta->setGeometry(rGeometria);
}

QLineEdit* CajaTexto(QWidget* Forma, const char* sNombre, int nIzq, int nArriba,
                     const QString& sAyuda)
{
  auto* edCaja = Ubica(new QLineEdit(Forma), sNombre, nIzq, nArriba, 121, 21);
  edCaja->setToolTip(sAyuda);
  return edCaja;
}

QComboBox* Combo(QWidget* Forma, const char* sNombre, int nArriba, const QString& sAyuda)
{
  auto* cbCombo = Ubica(new QComboBox(Forma), sNombre, 200, nArriba, 180, 21);
  cbCombo->setEditable(true);
  // Entry i must stay entry i of the catalogue arrays; type-ahead is our own.
  cbCombo->setInsertPolicy(QComboBox::NoInsert);
  cbCombo->setCompleter(nullptr);
  cbCombo->setToolTip(sAyuda);
  return cbCombo;
}

QPushButton* Boton(QWidget* Forma, const char* sNombre, int nIzq, int nArriba, int nAncho,
                   const QString& sTexto, const QString& sAyuda = {})
{
  auto* bnBoton = Ubica(new QPushButton(sTexto, Forma), sNombre, nIzq, nArriba, nAncho, 25);
  bnBoton->setAutoDefault(false);
  bnBoton->setToolTip(sAyuda);
  return bnBoton;
}

}  // namespace

TControlesPrincipal CreaControles(QWidget* Forma)
{
  TControlesPrincipal c;
  // Creation order is stacking order: later controls lie on top of earlier ones.
  Ubica(new TMarcoRedondeado(Forma, CC_PLATA), "Shape3", 71, 374, 465, 267);
  Ubica(new TMarcoRedondeado(Forma, CC_PLATA), "Shape2", 73, 243, 465, 113);
  Ubica(new TMarcoRedondeado(Forma, CC_PLATA), "Shape1", 72, 72, 465, 153);
  PonLetra(Etiqueta(Forma, "Label1", 72, 23, 466, 19,
                    QStringLiteral("Encuesta de Evaluación de Riesgo de Centros Cambiarios 2016 v1"),
                    CC_TEAL),
           16);
  c.txCambio = Etiqueta(Forma, "txCambio", 204, 304, 79, 13, QStringLiteral("Tipo de Cambio*"),
                        CC_GRIS_OSCURO, Qt::AlignRight);
  c.txMensajes = Etiqueta(Forma, "txMensajes", 18, 658, 579, 14, QStringLiteral("Mensajes"),
                          CC_MARRON, Qt::AlignHCenter);
  PonLetra(c.txMensajes, 12);
  Etiqueta(Forma, "Label5", 7, 709, 22, 13, QStringLiteral("v2.5"), CC_GRIS_OSCURO, Qt::AlignRight);
  c.txPassw = Etiqueta(Forma, "txPassw", 235, 170, 46, 13, QStringLiteral("Password"),
                       CC_GRIS_OSCURO, Qt::AlignRight);
  PonLetra(Etiqueta(Forma, "Label2", 382, 339, 135, 11,
                    QStringLiteral("*Tipo de cambio sugerido: 13.29"), CC_GRIS_OSCURO,
                    Qt::AlignRight),
           9);
  c.txUsuario = Etiqueta(Forma, "txUsuario", 161, 143, 120, 13,
                         QStringLiteral("Clave de Entrada Tolvex"), CC_GRIS_OSCURO, Qt::AlignRight);
  c.txPruebas = Etiqueta(Forma, "txPruebas", 62, 682, 80, 14, QStringLiteral("Versión BETA"),
                         CC_MARRON);
  PonLetra(c.txPruebas, 12, true);
  c.txPruebas->setVisible(false);
  PonLetra(Etiqueta(Forma, "Label4", 87, 87, 300, 19,
                    QStringLiteral("1.- Indique Clave y Contraseña del Tolvex"), CC_TEAL),
           16);
  PonLetra(Etiqueta(Forma, "Label6", 89, 260, 337, 19,
                    QStringLiteral("2.- Indique Tipo de Cambio promedio del 2014"), CC_TEAL),
           16);
  PonLetra(Etiqueta(Forma, "Label9", 87, 384, 352, 19,
                    QStringLiteral("3.- Indique 5 localidades que considere de Riesgo"), CC_TEAL),
           16);
  Etiqueta(Forma, "txCiudad", 135, 471, 44, 13, QStringLiteral("Localidad"), CC_NEGRO);
  Etiqueta(Forma, "txEstado", 109, 444, 70, 13, QStringLiteral("País/EstadoMx"), CC_NEGRO,
           Qt::AlignRight);
  c.txLocRiesgo = Etiqueta(Forma, "txLocRiesgo", 132, 516, 149, 13,
                           QStringLiteral("Lista de Localidades agregadas"), CC_GRIS_OSCURO);
  Etiqueta(Forma, "Label8", 113, 406, 179, 13, QStringLiteral("(Agregue primero el de mayor riesgo)"),
           CC_GRIS_OSCURO);

  c.bnGenReporte = Boton(Forma, "bnGenReporte", 431, 682, 105, QStringLiteral("Generar reporte"));
  c.edCambio = CajaTexto(Forma, "edCambio", 305, 301, QStringLiteral("Tipo de Cambio a utilizar"));
  c.edCambio->setText(QStringLiteral("13.29"));
  c.edPassw = CajaTexto(Forma, "edPassw", 303, 167,
                        QStringLiteral("Contraseña del usuario administrador para acceder a Tolvex"));
  c.edPassw->setValidator(new TValidadorMayusculas(c.edPassw));
  auto* Estilo = new TEstiloPassword;
  Estilo->setParent(c.edPassw);
  c.edPassw->setStyle(Estilo);
  c.edPassw->setEchoMode(QLineEdit::Password);
  c.edUsuario = CajaTexto(Forma, "edUsuario", 303, 140,
                          QStringLiteral("Usuario administrador para acceder a Tolvex"));
  c.edUsuario->setValidator(new TValidadorMayusculas(c.edUsuario));
  c.cbEstado = Combo(Forma, "cbEstado", 441,
                     QStringLiteral("Paso1: seleccione un estado de México o un País"));
  c.bnAgregar = Boton(Forma, "bnAgregar", 404, 466, 80, QStringLiteral("Agregar"),
                      QStringLiteral("Agregar localidad a la lista"));
  c.lbLoc = Ubica(new QListWidget(Forma), "lbLoc", 132, 535, 248, 75);
  c.lbLoc->setSelectionMode(QAbstractItemView::SingleSelection);
  c.lbLoc->setUniformItemSizes(true);
  c.lbLoc->setItemDelegate(new TDelegadoRenglon(c.lbLoc));
  c.bnEliminar = Boton(Forma, "bnEliminar", 404, 583, 80, QStringLiteral("Eliminar"),
                       QStringLiteral("Eliminar la localidad seleccionada"));
  c.cbCiudad = Combo(Forma, "cbCiudad", 468, QStringLiteral("Paso2: seleccione la localidad"));

  const QList<QWidget*> OrdenTab = {c.edUsuario, c.edPassw, c.edCambio,   c.cbEstado,
                                    c.cbCiudad,  c.bnAgregar, c.lbLoc,   c.bnEliminar,
                                    c.bnGenReporte};
  for (qsizetype i = 1; i < OrdenTab.size(); ++i)
    QWidget::setTabOrder(OrdenTab[i - 1], OrdenTab[i]);
  for (QLabel* txEtiqueta : Forma->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (txEtiqueta != c.txMensajes)
      AjustaAncho(txEtiqueta);
  }
  return c;
}
