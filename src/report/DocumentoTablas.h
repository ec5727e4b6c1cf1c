#pragma once

#include <QList>
#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <memory>

class QTextDocument;

// A document that flows over as many pages as it needs: headings, paragraphs, notes,
// tables whose heading row repeats on every page, and blocks of query text.
struct TTablaDocumento {
  QStringList Encabezados;
  QList<QStringList> Filas;
  QList<int> Resaltadas;  // rows drawn on a shaded background
  QList<double> Anchos;   // percent of the width per column; empty: as the texts need
};

struct TBloqueDocumento {
  enum class TTipo { Titulo, Seccion, Subseccion, Parrafo, Nota, Tabla, Consulta };
  TTipo Tipo = TTipo::Parrafo;
  QString sTexto;
  TTablaDocumento Tabla;
};

struct TDocumentoTablas {
  QString sTitulo;  // also the foot of every page
  QList<TBloqueDocumento> Bloques;

  void Agrega(TBloqueDocumento::TTipo Tipo, const QString& sTexto);
  void AgregaTabla(const TTablaDocumento& Tabla);
};

// Letter paper, portrait, 15 mm margins.
QPageLayout LayoutDocumentoTablas();

// The text document laid out on pages of the printable area of Layout, in layout units
// (1/96 inch); fonts are set in those units so the layout is the same on every device.
std::shared_ptr<QTextDocument> ComponeDocumento(const TDocumentoTablas& Documento,
                                                const QPageLayout& Layout);
