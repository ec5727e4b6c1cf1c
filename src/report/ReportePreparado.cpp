#include "report/ReportePreparado.h"

#include "report/DocumentoTablas.h"
#include "report/Fuentes.h"
#include "report/VariablesReporte.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPalette>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>

namespace {

constexpr double CC_MARGEN_X = 2.0;  // inner gap of a memo, layout units
constexpr double CC_MARGEN_Y = 1.0;

QFont FuenteMemo(const TMemo& memo)
{
  QFont fuente(memo.sFuente);
  fuente.setPixelSize(memo.nPixeles);
  fuente.setBold(memo.bNegrita);
  fuente.setHintingPreference(QFont::PreferNoHinting);
  return fuente;
}

QString TextoMemo(const QString& sTexto, const TVariablesReporte& Variables)
{
  static const QRegularExpression reVariable(R"(^\[([^\[\]]+)\]$)");
  const QRegularExpressionMatch m = reVariable.match(sTexto);
  if (!m.hasMatch())
    return sTexto;
  QString sValor = Variables.TextoImpreso(m.captured(1)).value_or(QString());
  return sValor.replace("\r\n", "\n");
}

QRectF Interior(const QRectF& rect)
{
  return rect.adjusted(CC_MARGEN_X, CC_MARGEN_Y, -CC_MARGEN_X, -CC_MARGEN_Y);
}

QRectF Ajustada(const TImagen& imagen)
{
  const QSizeF escalado = QSizeF(imagen.pixeles).scaled(imagen.rect.size(), Qt::KeepAspectRatio);
  QRectF destino(imagen.rect.topLeft(), escalado);
  if (imagen.bCentradaEnMarco)
    destino.moveCenter(imagen.rect.center());
  return destino;
}

// Opaque, like the printed page it stands for; a drawing missing a memo stops there.
void PintaImagen(const TImagenPreparada& i, QPainter& Painter)
{
  const QRectF visible = Ajustada(i.imagen);
  Painter.save();
  Painter.fillRect(visible, Qt::white);
  Painter.setClipRect(visible, Qt::IntersectClip);
  if (i.dibujo) {
    TLienzoPagina lienzo(Painter, visible, i.memosPagina);
    try {
      i.dibujo(lienzo);
    } catch (const EDibujo&) {
    }
  }
  Painter.restore();
}

void PintaMemo(const TMemoPreparado& m, QPainter& Painter, const QString& sResaltar)
{
  Painter.save();
  const QRectF rect = m.memo.rect;
  if (m.memo.dRotacion != 0) {
    Painter.translate(rect.center());
    Painter.rotate(-m.memo.dRotacion);
    Painter.translate(-rect.center());
  }
  if (!sResaltar.isEmpty() && m.sTexto.contains(sResaltar, Qt::CaseInsensitive))
    Painter.fillRect(rect, QColor(255, 255, 0, 160));
  Painter.setPen(m.memo.color);
  PintaTextoAjustado(Painter, Interior(rect), m.ajuste, m.memo.alineacion,
                     m.memo.bCentradoVertical);
  Painter.restore();
}

// One page of a flowing document, in layout units from the printable area's corner, and
// its foot in the bottom margin.
void PintaPaginaDocumento(const TPaginaPreparada& pagina, QPainter& Painter)
{
  const QSizeF tamano = pagina.documento->pageSize();
  const QRectF hoja(QPointF(0, pagina.nPaginaDocumento * tamano.height()), tamano);
  Painter.save();
  Painter.setClipRect(QRectF(QPointF(), tamano), Qt::IntersectClip);
  Painter.translate(0, -hoja.top());
  QAbstractTextDocumentLayout::PaintContext contexto;
  // A line that barely crosses into this page from the next or the last one is drawn there,
  // not here: its hidden glyphs would read twice in the PDF's text.
  contexto.clip = hoja.adjusted(0, 4, 0, -4);
  contexto.palette.setColor(QPalette::Text, Qt::black);
  pagina.documento->documentLayout()->draw(&Painter, contexto);
  Painter.restore();
  QFont fuente(QStringLiteral("Arial"));
  fuente.setPixelSize(10);
  Painter.setFont(fuente);
  Painter.setPen(QColor(110, 110, 110));
  Painter.drawText(QRectF(0, tamano.height() + 8, tamano.width(), 20), Qt::AlignRight | Qt::AlignTop,
                   pagina.sPie);
}

}  // namespace

TReportePreparado::TReportePreparado(const TDocumentoTablas& Documento)
{
  const QPageLayout layout = LayoutDocumentoTablas();
  const std::shared_ptr<const QTextDocument> documento = ComponeDocumento(Documento, layout);
  const int nPaginas = std::max(1, documento->pageCount());
  const double dAlto = documento->pageSize().height();
  QStringList Textos(nPaginas);
  QAbstractTextDocumentLayout* pLayout = documento->documentLayout();
  for (QTextBlock bloque = documento->begin(); bloque.isValid(); bloque = bloque.next()) {
    const int nPagina = std::clamp(int(pLayout->blockBoundingRect(bloque).top() / dAlto), 0, nPaginas - 1);
    Textos[nPagina] += bloque.text() + QLatin1Char('\n');
  }
  for (int n = 0; n < nPaginas; ++n) {
    TPaginaPreparada pagina;
    pagina.sNombre = QStringLiteral("%1, página %2").arg(Documento.sTitulo).arg(n + 1);
    pagina.layout = layout;
    pagina.documento = documento;
    pagina.nPaginaDocumento = n;
    pagina.sTextoDocumento = Textos[n];
    pagina.sPie = QStringLiteral("%1 · página %2 de %3").arg(Documento.sTitulo).arg(n + 1).arg(nPaginas);
    F_paginas.append(pagina);
  }
}

TReportePreparado::TReportePreparado(const QList<TPagina>& paginas, const TVariablesReporte& Variables,
                                     const QMap<QString, TDibujo>& dibujos)
{
  RegistraFuentesReporte();
  for (const TPagina& pagina : paginas) {
    TPaginaPreparada preparada;
    preparada.sNombre = pagina.sNombre;
    preparada.layout = pagina.Layout();
    for (const TImagen& imagen : pagina.imagenes)
      preparada.imagenes.append({imagen, dibujos.value(imagen.sDibujo), pagina.memos});
    for (const TMemo& memo : pagina.memos) {
      TMemoPreparado m{memo, TextoMemo(memo.sTexto, Variables), {}};
      // Grows to its text, up to the printable width's edge; beyond that the text shrinks.
      if (memo.bAnchoAutomatico)
        m.memo.rect.setWidth(
            std::min(QFontMetricsF(FuenteMemo(memo)).horizontalAdvance(m.sTexto) + 2 * CC_MARGEN_X + 1,
                     pagina.AnchoImprimible() - memo.rect.left()));
      m.ajuste = AjustaTexto(m.sTexto, FuenteMemo(memo), Interior(m.memo.rect).size());
      preparada.memos.append(m);
    }
    F_paginas.append(preparada);
  }
}

int TReportePreparado::NumeroPaginas() const
{
  return int(F_paginas.size());
}

const TPaginaPreparada& TReportePreparado::Pagina(int nPagina) const
{
  return F_paginas.at(nPagina);
}

void TReportePreparado::SetLayout(const QPageLayout& layout)
{
  for (TPaginaPreparada& pagina : F_paginas)
    pagina.layout = layout;
}

void TReportePreparado::PintaPagina(int nPagina, QPainter& Painter, const QString& sResaltar) const
{
  const TPaginaPreparada& pagina = F_paginas.at(nPagina);
  Painter.save();
  Painter.setRenderHint(QPainter::Antialiasing);
  Painter.setRenderHint(QPainter::TextAntialiasing);
  Painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const double dEscala = Painter.device()->logicalDpiX() / 96.0;
  Painter.scale(dEscala, dEscala);
  const QMarginsF margenes = pagina.layout.margins(QPageLayout::Millimeter);
  Painter.translate(margenes.left() * CC_UNIDADES_POR_MM, margenes.top() * CC_UNIDADES_POR_MM);
  for (const TImagenPreparada& i : pagina.imagenes)
    PintaImagen(i, Painter);
  for (const TMemoPreparado& m : pagina.memos)
    PintaMemo(m, Painter, sResaltar);
  if (pagina.documento)
    PintaPaginaDocumento(pagina, Painter);
  Painter.restore();
}

bool TReportePreparado::PaginaContiene(int nPagina, const QString& sTexto) const
{
  if (F_paginas.at(nPagina).sTextoDocumento.contains(sTexto, Qt::CaseInsensitive))
    return true;
  for (const TMemoPreparado& m : F_paginas.at(nPagina).memos)
    if (m.sTexto.contains(sTexto, Qt::CaseInsensitive))
      return true;
  return false;
}
