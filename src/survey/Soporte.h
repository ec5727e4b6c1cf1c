#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <future>
#include <utility>

struct TDocumentoTablas;

// The support of every answer ("Soporte de las respuestas"): what decided each figure
// of the questionnaire, computed through the same engine and Jet SQL as the questions.

// One row of a ranking behind an answer, in the order the engine delivered it.
struct TFilaSoporte {
  int nLugar = 0;
  QString sValor;       // as the questionnaire shows it
  QString sGuardado;    // the stored value, where it differs
  QVariant Cifra;       // what the ranking orders by
  QString sCifra;       // formatted as the questionnaire formats it
  QStringList Extras;   // further columns (operations, pesos)
  bool bMostrada = false;
  bool bEmpate = false;
};

// Rows sharing the figure of a shown row.
struct TEmpateSoporte {
  QString sCifra;
  QStringList Valores;    // all tied values, in the engine's order
  QStringList Mostrados;  // those the questionnaire shows
  QString sExplicacion;
};

struct TRankingSoporte {
  QString sTitulo;
  QString sColumnaValor;
  QString sColumnaCifra;
  QStringList ColumnasExtra;
  int nMostrados = 0;     // places the questionnaire shows
  bool bOrdenado = true;  // false: plain figures, no ranking and no ties
  QList<TFilaSoporte> Filas;
  QList<TEmpateSoporte> Empates;
  QStringList Consultas;  // ids of the queries behind it (appendix)
  QString sNota;
};

// One reason why a question's joins drop operations, counted on its own.
struct TMotivoFuera {
  QString sClave;        // "sin_cliente", ...
  QString sMotivo;       // "sin cliente", ...
  QString sDescripcion;
  qint64 nOperaciones = 0;
  qint64 nPublico = 0;   // of them, operations of the walk-in public
  QString sTipoEjemplo;  // what the example keys are ("cliente", "divisa")
  QStringList Ejemplos;  // "clave (n operaciones, folio f)"
};

struct TExclusionesSoporte {
  QString sPeriodo;
  QList<TMotivoFuera> Motivos;  // empty: the question joins nothing that drops operations
  qint64 nDistintas = 0;
  QString sSinJoins;            // why nothing can be left out, when Motivos is empty
  QStringList Consultas;
};

struct TConsultaSoporte {
  QString sId;
  QString sDescripcion;
  QString sSQL;
};

struct TSeccionSoporte {
  QString sPregunta;  // "5", "17", ...
  QString sTitulo;
  QList<TRankingSoporte> Rankings;
  TExclusionesSoporte Fuera;
  QStringList Notas;
  QList<TConsultaSoporte> Consultas;
};

struct TArchivoSoporte {
  QString sRol;  // "matriz", "sucursal"
  QString sCarpeta;
  QString sRuta;
  qint64 nBytes = -1;
  QDateTime Modificado;
  QString sSha256;
  QString sError;  // when it could not be read
  std::shared_future<std::pair<QString, QString>> Huella;  // SHA-256 and error, until CompletaHuellas
};

struct TTablaLeida {
  QString sTabla;
  qint64 nLineas = 0;
  qint64 nDeLaEmpresa = 0;
  qint64 nVigentes = 0;  // of the company, not cancelled
};

struct TCorridaSoporte {
  QDateTime Fecha;
  QString sVersion;
  QString sPlataforma;
  QString sUsuario;
  int nEmpresa = 0;
  QString sEmpresa;
  double dTipoCambio = 0;
  QStringList Localidades;  // "1. MÉRIDA (Clave: 31050)"
  QStringList ClavesLocalidades;
  QList<TArchivoSoporte> Archivos;
  QList<TTablaLeida> Tablas;
  qint64 nOperacionesDesde2011 = 0;
  qint64 nOperaciones2014 = 0;
};

struct TSoporte {
  TCorridaSoporte Corrida;
  QList<TSeccionSoporte> Secciones;  // in the order of the questionnaire
  qint64 nFueraTotal = 0;            // distinct operations left out of some question
  QList<TConsultaSoporte> ConsultasCorrida;
  QStringList Avisos;  // run figures that could not be computed

  TSeccionSoporte& Seccion(const QString& sPregunta, const QString& sTitulo);
};

// Questions 18 and 19 rank currencies by amounts in their own units.
inline const QString CC_NOTA_UNIDADES = QStringLiteral(
    "Las cantidades se suman y se comparan cada una en su propia divisa, como lo pide el cuestionario: el orden "
    "compara unidades distintas (un millón de yenes queda arriba de diez mil dólares). La columna Monto MXN da el "
    "importe en pesos de las mismas operaciones, que no decide el orden.");

TRankingSoporte NuevoRanking(const QString& sTitulo, const QString& sColumnaValor, const QString& sColumnaCifra,
                             int nMostrados, const QStringList& ColumnasExtra = {});

// The ranking of rows in delivery order: nMostrados shown places, the rows tied with the
// last shown one, and the next row; ties of shown rows marked and explained.
void MarcaEmpates(TRankingSoporte& Ranking);

QByteArray SoporteComoJSON(const TSoporte& Soporte);
TDocumentoTablas DocumentoSoporte(const TSoporte& Soporte);

// Path, size and last change of a back-office file; its SHA-256 is computed on a thread of
// its own (the questions run meanwhile) and taken by CompletaHuellas.
TArchivoSoporte DescribeArchivo(const QString& sRol, const QString& sCarpeta, const QString& sRuta);
void CompletaHuellas(TCorridaSoporte& Corrida);
// The run's date: now, or SOURCE_DATE_EPOCH when set (for outputs compared byte for byte).
QDateTime FechaCorrida();
