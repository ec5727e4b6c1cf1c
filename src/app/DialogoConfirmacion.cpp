#include "app/DialogoConfirmacion.h"

#include "app/UbicacionVentana.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int CC_ANCHO_TEXTO = 560;

// Each line its own paragraph: a message box renders CR CR LF unpredictably.
QString ParrafosHtml(const QString& sTexto)
{
  QString sHtml;
  for (const QString& sLinea : sTexto.split(QStringLiteral("\r\r\n")))
    sHtml += QStringLiteral("<p style=\"margin-top:0; margin-bottom:6px\">%1</p>")
                 .arg(sLinea.isEmpty() ? QStringLiteral("&nbsp;") : sLinea.toHtmlEscaped());
  return sHtml;
}

}  // namespace

int TDialogoConfirmacion::AltoMaximoTexto(int nAltoDisponible)
{
  // The rest of the dialog (title bar, frame, margins, buttons) takes about 110 px.
  return std::max(120, nAltoDisponible * 3 / 5);
}

TDialogoConfirmacion::TDialogoConfirmacion(const QString& sTexto, QWidget* pPadre)
    : QDialog(pPadre)
{
  setObjectName(QStringLiteral("dlgConfirmacion"));
  setWindowTitle(QStringLiteral("Advertencia"));
  setModal(true);

  auto* txIcono = new QLabel(this);
  const int nIcono = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  txIcono->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this)
                         .pixmap(nIcono, nIcono));
  txIcono->setAlignment(Qt::AlignTop);

  auto* txTexto = new QLabel(ParrafosHtml(sTexto));
  txTexto->setObjectName(QStringLiteral("txConfirmacion"));
  txTexto->setTextFormat(Qt::RichText);
  txTexto->setWordWrap(true);
  txTexto->setTextInteractionFlags(Qt::TextSelectableByMouse);
  txTexto->setFixedWidth(CC_ANCHO_TEXTO);
  txTexto->setMinimumHeight(txTexto->heightForWidth(CC_ANCHO_TEXTO));

  F_Area = new QScrollArea(this);
  F_Area->setObjectName(QStringLiteral("areaConfirmacion"));
  F_Area->setWidget(txTexto);
  F_Area->setFrameShape(QFrame::NoFrame);
  F_Area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  F_Area->setFocusPolicy(Qt::TabFocus);  // Tab reaches it; arrows and page keys scroll
  const QScreen* pPantalla = pPadre && pPadre->screen() ? pPadre->screen()
                                                        : QGuiApplication::primaryScreen();
  const int nAltoTexto = txTexto->minimumHeight();
  const int nMaximo = AltoMaximoTexto(pPantalla ? pPantalla->availableGeometry().height() : 768);
  const int nBarra = F_Area->verticalScrollBar()->sizeHint().width();
  F_Area->setFixedSize(CC_ANCHO_TEXTO + (nAltoTexto > nMaximo ? nBarra : 0),
                       std::min(nAltoTexto, nMaximo));

  auto* Botones = new QDialogButtonBox(QDialogButtonBox::Yes | QDialogButtonBox::No, this);
  QPushButton* bnSi = Botones->button(QDialogButtonBox::Yes);
  bnSi->setObjectName(QStringLiteral("bnSi"));
  Botones->button(QDialogButtonBox::No)->setObjectName(QStringLiteral("bnNo"));
  connect(Botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Botones, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* Cuerpo = new QHBoxLayout;
  Cuerpo->addWidget(txIcono, 0, Qt::AlignTop);
  Cuerpo->addWidget(F_Area, 1);
  auto* Layout = new QVBoxLayout(this);
  Layout->addLayout(Cuerpo);
  Layout->addWidget(Botones);
  Layout->setSizeConstraint(QLayout::SetFixedSize);

  bnSi->setDefault(true);
  bnSi->setFocus();
  CentraEnAreaDisponible(this);
}
