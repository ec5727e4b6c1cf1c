#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>
#include <vector>

// Misuse of a catalogue table (unknown column, bad filter, reading while closed
// or past the end, a key that is not a whole number). Thrown inside the table;
// the caller that walks a catalogue turns it into its own failure.
class ETablaMemoria : public std::runtime_error {
 public:
  explicit ETablaMemoria(const QString& sMensaje);
  const QString& Mensaje() const { return F_sMensaje; }

 private:
  QString F_sMensaje;
};

// A small read-only table held in memory: the embedded catalogues.
// Every value is text; a null QString in a row is a Null value (CampoTexto
// gives "" for it). It starts closed; closing keeps the rows and the filter.
class TTablaMemoria {
 public:
  TTablaMemoria(QStringList columnas, QList<QStringList> filas);

  void Open();   // goes to the first visible row
  void Close();
  bool Active() const { return F_bActiva; }

  bool IsEmpty() const;      // no visible row
  int RecordCount() const;   // visible rows: under the filter when filtering is on

  void First();
  void Next();
  bool Eof() const;

  // Column names are matched ignoring letter case.
  QString CampoTexto(const QString& sCampo) const;
  int CampoEntero(const QString& sCampo) const;  // Null or not a whole number: ETablaMemoria
  bool EsNulo(const QString& sCampo) const;

  // "<column> = <whole number>" (blanks around the parts allowed) or "" for no
  // condition. Anything else is refused with ETablaMemoria and leaves the
  // previous filter in place.
  void SetFilter(const QString& sExpresion);
  QString Filter() const { return F_sFiltro; }
  void SetFiltered(bool bFiltrado);
  bool Filtered() const { return F_bFiltrado; }

 private:
  struct TCondicion {
    int nColumna;
    qint64 nValor;
  };

  int IndiceColumna(const QString& sCampo) const;  // throws when absent
  const QString& Valor(const QString& sCampo) const;
  void VerificaActiva() const;
  void CalculaVisibles();

  QStringList F_columnas;
  QList<QStringList> F_filas;
  bool F_bActiva = false;
  QString F_sFiltro;
  std::optional<TCondicion> F_condicion;
  bool F_bFiltrado = false;
  std::vector<int> F_visibles;  // row indexes in stored order
  int F_nActual = 0;            // position inside F_visibles
};
