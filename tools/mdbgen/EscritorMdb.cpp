#include "mdbgen/EscritorMdb.h"

#include <QFile>
#include <QSet>
#include <cmath>

#include "mdbgen/ArchivoPaginas.h"
#include "mdbgen/CabeceraJet.h"
#include "mdbgen/Mensajes.h"
#include "mdbgen/PaginaFilas.h"
#include "mdbgen/TablaJet.h"

namespace mdbgen {

using namespace jet;

namespace {

constexpr quint32 CC_nPaginaCatalogo = 2;  // readers find MSysObjects' definition there
constexpr int CC_nMaxNombre = 64;
constexpr int CC_nMaxColumnas = 255;
const QString CC_sCatalogo = QStringLiteral("MSysObjects");

// Access refuses these in object names.
QString ProblemaDeNombre(const QString& sNombre) {
  if (sNombre.isEmpty()) return QStringLiteral("el nombre está vacío");
  if (sNombre.size() > CC_nMaxNombre)
    return QStringLiteral("el nombre tiene %1 caracteres y el máximo es %2").arg(sNombre.size()).arg(CC_nMaxNombre);
  if (sNombre.front() == QLatin1Char(' ')) return QStringLiteral("el nombre empieza con un espacio");
  for (const QChar c : sNombre)
    if (c.unicode() < 0x20 || QStringLiteral(".!`[]").contains(c))
      return QStringLiteral("el nombre no puede contener \"%1\"")
          .arg(c.unicode() < 0x20 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0')) : QString(c));
  return {};
}

void ValidaPassword(const QString& sPassword) {
  if (sPassword.size() > CC_nMaxPassword)
    throw EErrorMdb(QStringLiteral("La contraseña tiene %1 caracteres y el máximo es %2")
                        .arg(sPassword.size())
                        .arg(CC_nMaxPassword)
                        .toStdString());
  if (sPassword.contains(QChar(0))) throw EErrorMdb("La contraseña no puede contener el carácter nulo");
}

QDateTime FechaCreacion() {
  const double dDia = std::floor(CC_dFechaCreacion);
  return QDateTime(QDate(1899, 12, 30).addDays(qint64(dDia)),
                   QTime(0, 0).addMSecs(int((CC_dFechaCreacion - dDia) * 86400000)), Qt::UTC);
}

}  // namespace

class TArchivoJet {
 public:
  TArchivoJet(const QString& sRuta, const QString& sPassword)
      : F_sRuta(sRuta), F_archivo(sRuta) {
    std::array<uint8_t, CC_nPagina> pagina;
    ArmaCabecera(pagina.data(), sPassword);
    F_archivo.Escribe(F_archivo.Reserva(), pagina.data());
    TPaginaFilas mapaGlobal;  // Access keeps its global page map here; nobody reads ours
    mapaGlobal.Inicia(F_archivo.Reserva(), 0);
    F_archivo.Escribe(1, mapaGlobal.Cierra());
    F_archivo.Reserva();  // page 2: the catalogue's definition, written last
    F_nombres.insert(CC_sCatalogo.toCaseFolded());
  }

  ~TArchivoJet() {
    if (!F_bTerminado) QFile::remove(F_sRuta);  // an older file there would pass for this one
  }

  void IniciaTabla(const QString& sNombre, const QList<TColumna>& columnas) {
    if (F_qTabla) throw ErrorEn(F_qTabla->Nombre(), -1, {}, QStringLiteral("la tabla no se ha terminado"));
    if (F_bTerminado) throw EErrorMdb("El archivo ya se terminó");
    if (const QString s = ProblemaDeNombre(sNombre); !s.isEmpty()) throw ErrorEn(sNombre, -1, {}, s);
    if (F_nombres.contains(sNombre.toCaseFolded()))
      throw ErrorEn(sNombre, -1, {}, QStringLiteral("el nombre está repetido"));
    if (columnas.isEmpty() || columnas.size() > CC_nMaxColumnas)
      throw ErrorEn(
          sNombre, -1, {},
          QStringLiteral("debe tener de 1 a %1 columnas y tiene %2").arg(CC_nMaxColumnas).arg(columnas.size()));
    std::vector<TColumnaJet> jet;
    QSet<QString> nombres;
    for (const TColumna& c : columnas) {
      if (const QString s = ProblemaDeNombre(c.sNombre); !s.isEmpty()) throw ErrorEn(sNombre, -1, c.sNombre, s);
      if (nombres.contains(c.sNombre.toCaseFolded()))
        throw ErrorEn(sNombre, -1, c.sNombre, QStringLiteral("el nombre está repetido"));
      nombres.insert(c.sNombre.toCaseFolded());
      if (c.tipo == TTipo::Text && (c.nTamano < 1 || c.nTamano > 255))
        throw ErrorEn(sNombre, -1, c.sNombre, QStringLiteral("el tamaño %1 está fuera de 1 a 255").arg(c.nTamano));
      if (c.tipo == TTipo::Decimal && (c.nPrecision < 1 || c.nPrecision > 28 || c.nEscala < 0 || c.nEscala > c.nPrecision))
        throw ErrorEn(sNombre, -1, c.sNombre,
                      QStringLiteral("precisión %1 y escala %2: la precisión va de 1 a 28 y la escala de 0 a la precisión")
                          .arg(c.nPrecision)
                          .arg(c.nEscala));
      jet.push_back({c.sNombre, CodigoDe(c.tipo), c.tipo == TTipo::Text ? c.nTamano : 0, c.nPrecision, c.nEscala});
    }
    F_qTabla = std::make_unique<TTablaJet>(F_archivo, sNombre, std::move(jet));
    F_nombres.insert(sNombre.toCaseFolded());
  }

  void AgregaFila(const std::vector<TValor>& valores, bool bBorrada) { Tabla().AgregaFila(valores, bBorrada); }

  void TerminaTabla() {
    Tabla().Termina();
    F_tablas.push_back({F_qTabla->Nombre(), F_qTabla->PaginaDefinicion()});
    F_qTabla.reset();
  }

  void Termina() {
    if (F_qTabla) throw ErrorEn(F_qTabla->Nombre(), -1, {}, QStringLiteral("la tabla no se ha terminado"));
    if (F_bTerminado) throw EErrorMdb("El archivo ya se terminó");
    EscribeCatalogo();
    F_archivo.Confirma();
    F_bTerminado = true;
  }

 private:
  struct TEntrada {
    QString sNombre;
    quint32 nPagina;
  };

  TTablaJet& Tabla() {
    if (!F_qTabla) throw EErrorMdb("No hay una tabla iniciada");
    return *F_qTabla;
  }

  // MSysObjects with the columns readers bind; one row for itself and one per table.
  void EscribeCatalogo() {
    std::vector<TColumnaJet> columnas = {
        {QStringLiteral("Id"), CC_nLong, 0},          {QStringLiteral("ParentId"), CC_nLong, 0},
        {QStringLiteral("Name"), CC_nTexto, 255},     {QStringLiteral("Type"), CC_nInteger, 0},
        {QStringLiteral("DateCreate"), CC_nFecha, 0}, {QStringLiteral("DateUpdate"), CC_nFecha, 0},
        {QStringLiteral("Flags"), CC_nLong, 0},       {QStringLiteral("LvProp"), CC_nOle, 0}};
    TTablaJet catalogo(F_archivo, CC_sCatalogo, std::move(columnas), CC_nPaginaCatalogo, true);
    constexpr qint64 CC_nTablaLocal = 1;
    constexpr qint64 CC_nSistema = -2147483648LL;  // flag 0x80000000 hides the table
    constexpr qint64 CC_nContenedorTablas = 0x0F000001;
    const QDateTime fecha = FechaCreacion();
    auto fila = [&](const QString& sNombre, quint32 nPagina, qint64 nFlags) {
      catalogo.AgregaFila(
          {qint64(nPagina), CC_nContenedorTablas, sNombre, CC_nTablaLocal, fecha, fecha, nFlags, std::monostate{}},
          false);
    };
    fila(CC_sCatalogo, CC_nPaginaCatalogo, CC_nSistema);
    for (const TEntrada& e : F_tablas) fila(e.sNombre, e.nPagina, 0);
    catalogo.Termina();
  }

  QString F_sRuta;
  TArchivoPaginas F_archivo;
  std::unique_ptr<TTablaJet> F_qTabla;
  std::vector<TEntrada> F_tablas;
  QSet<QString> F_nombres;
  bool F_bTerminado = false;
};

TEscritorMdb::TEscritorMdb(const QString& sRuta, const QString& sPassword) {
  try {
    ValidaPassword(sPassword);
    F_qArchivo = std::make_unique<TArchivoJet>(sRuta, sPassword);
  } catch (const EErrorMdb&) {
    QFile::remove(sRuta);
    throw;
  }
}
TEscritorMdb::~TEscritorMdb() = default;

void TEscritorMdb::IniciaTabla(const QString& sNombre, const QList<TColumna>& columnas) {
  F_qArchivo->IniciaTabla(sNombre, columnas);
}
void TEscritorMdb::AgregaFila(const std::vector<TValor>& valores, bool bBorrada) {
  F_qArchivo->AgregaFila(valores, bBorrada);
}
void TEscritorMdb::TerminaTabla() { F_qArchivo->TerminaTabla(); }
void TEscritorMdb::Termina() { F_qArchivo->Termina(); }

}  // namespace mdbgen
