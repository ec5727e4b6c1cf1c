#include "report/DocumentoTablas.h"

#include "report/Fuentes.h"
#include "report/ModeloReporte.h"

#include <QAbstractTextDocumentLayout>
#include <QPageSize>
#include <QPalette>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace {

constexpr int CC_PIXELES_TEXTO = 12;

QTextCharFormat Letra(int nPixeles, bool bNegrita = false, const QColor& Color = Qt::black,
                      const QString& sFamilia = QStringLiteral("Arial"))
{
  QTextCharFormat formato;
  QFont fuente(sFamilia);
  fuente.setPixelSize(nPixeles);
  fuente.setBold(bNegrita);
  fuente.setHintingPreference(QFont::PreferNoHinting);
  formato.setFont(fuente);
  formato.setForeground(Color);
  return formato;
}

QTextBlockFormat Parrafo(double dAntes, double dDespues)
{
  QTextBlockFormat formato;
  formato.setTopMargin(dAntes);
  formato.setBottomMargin(dDespues);
  return formato;
}

void InsertaTabla(QTextCursor& Cursor, const TTablaDocumento& Tabla)
{
  const int nColumnas = int(Tabla.Encabezados.size());
  if (nColumnas == 0)
    return;
  QTextTableFormat formato;
  formato.setHeaderRowCount(1);
  formato.setBorder(0.5);
  formato.setBorderBrush(QColor(110, 110, 110));
  formato.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
  formato.setCellSpacing(0);
  formato.setCellPadding(3);
  formato.setWidth(QTextLength(QTextLength::PercentageLength, 100));
  if (Tabla.Anchos.size() == nColumnas) {
    QList<QTextLength> Anchos;
    for (double dAncho : Tabla.Anchos)
      Anchos << QTextLength(QTextLength::PercentageLength, dAncho);
    formato.setColumnWidthConstraints(Anchos);
  }
  formato.setBottomMargin(6);
  QTextTable* pTabla = Cursor.insertTable(int(Tabla.Filas.size()) + 1, nColumnas, formato);
  const auto Celda = [&](int nFila, int nColumna, const QString& sTexto, const QTextCharFormat& Letra,
                         const QColor& Fondo) {
    QTextTableCell celda = pTabla->cellAt(nFila, nColumna);
    if (Fondo.isValid()) {
      QTextCharFormat formatoCelda = celda.format();
      formatoCelda.setBackground(Fondo);
      celda.setFormat(formatoCelda);
    }
    QTextCursor cursorCelda = celda.firstCursorPosition();
    cursorCelda.insertText(sTexto, Letra);
  };
  for (int c = 0; c < nColumnas; ++c)
    Celda(0, c, Tabla.Encabezados[c], Letra(CC_PIXELES_TEXTO - 1, true), QColor(225, 225, 225));
  for (int f = 0; f < Tabla.Filas.size(); ++f) {
    const QColor fondo = Tabla.Resaltadas.contains(f) ? QColor(255, 244, 204) : QColor();
    for (int c = 0; c < nColumnas && c < Tabla.Filas[f].size(); ++c)
      Celda(f + 1, c, Tabla.Filas[f][c], Letra(CC_PIXELES_TEXTO - 1), fondo);
  }
  Cursor.movePosition(QTextCursor::End);
}

}  // namespace

void TDocumentoTablas::Agrega(TBloqueDocumento::TTipo Tipo, const QString& sTexto)
{
  TBloqueDocumento bloque;
  bloque.Tipo = Tipo;
  bloque.sTexto = sTexto;
  Bloques.append(bloque);
}

void TDocumentoTablas::AgregaTabla(const TTablaDocumento& Tabla)
{
  TBloqueDocumento bloque;
  bloque.Tipo = TBloqueDocumento::TTipo::Tabla;
  bloque.Tabla = Tabla;
  Bloques.append(bloque);
}

QPageLayout LayoutDocumentoTablas()
{
  return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(15, 15, 15, 18),
                     QPageLayout::Millimeter);
}

std::shared_ptr<QTextDocument> ComponeDocumento(const TDocumentoTablas& Documento,
                                                const QPageLayout& Layout)
{
  RegistraFuentesReporte();
  auto documento = std::make_shared<QTextDocument>();
  documento->setUndoRedoEnabled(false);
  documento->setDocumentMargin(0);
  documento->setDefaultFont(Letra(CC_PIXELES_TEXTO).font());
  // A long query text breaks anywhere rather than run off the page.
  QTextOption opcion = documento->defaultTextOption();
  opcion.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  documento->setDefaultTextOption(opcion);
  const QRectF imprimible = Layout.paintRect(QPageLayout::Millimeter);
  documento->setPageSize(imprimible.size() * CC_UNIDADES_POR_MM);
  QTextCursor cursor(documento.get());
  bool bPrimero = true;
  for (const TBloqueDocumento& bloque : Documento.Bloques) {
    using T = TBloqueDocumento::TTipo;
    if (bloque.Tipo == T::Tabla) {
      InsertaTabla(cursor, bloque.Tabla);
      continue;
    }
    QTextBlockFormat parrafo;
    QTextCharFormat letra;
    switch (bloque.Tipo) {
      case T::Titulo: parrafo = Parrafo(0, 8); letra = Letra(20, true, QColor(128, 0, 0)); break;
      case T::Seccion:
        parrafo = Parrafo(14, 4);
        letra = Letra(16, true, QColor(128, 0, 0));
        break;
      case T::Subseccion: parrafo = Parrafo(8, 3); letra = Letra(13, true); break;
      case T::Nota: parrafo = Parrafo(0, 4); letra = Letra(CC_PIXELES_TEXTO - 1, false, QColor(90, 90, 90)); break;
      case T::Consulta:
        parrafo = Parrafo(2, 6);
        letra = Letra(9, false, QColor(30, 30, 90), QStringLiteral("Liberation Mono"));
        break;
      default: parrafo = Parrafo(0, 4); letra = Letra(CC_PIXELES_TEXTO); break;
    }
    if (bPrimero)
      cursor.setBlockFormat(parrafo);
    else
      cursor.insertBlock(parrafo);
    cursor.setCharFormat(letra);
    cursor.insertText(bloque.sTexto, letra);
    bPrimero = false;
  }
  return documento;
}
