// The JSON input of mdbgen, read in place and streamed row by row into the writer.
#include <QFile>
#include <algorithm>
#include <climits>
#include <optional>

#include "mdbgen/EscritorMdb.h"
#include "mdbgen/LectorJson.h"
#include "mdbgen/Mensajes.h"
#include "mdbgen/NumeroDecimal.h"
#include "mdbgen/TablaJet.h"

namespace mdbgen {
namespace {

struct TTipoJson {
  const char* sNombre;
  TTipo tipo;
};
constexpr TTipoJson CC_tipos[] = {{"Boolean", TTipo::Boolean},   {"Byte", TTipo::Byte},
                                  {"Integer", TTipo::Integer},   {"Long", TTipo::Long},
                                  {"Single", TTipo::Single},     {"Double", TTipo::Double},
                                  {"Currency", TTipo::Currency}, {"Decimal", TTipo::Decimal},
                                  {"DateTime", TTipo::DateTime},
                                  {"Text", TTipo::Text},         {"Memo", TTipo::Memo}};

// "YYYY-MM-DD" or "YYYY-MM-DD HH:MM:SS"; an invalid QDateTime when it is not.
QDateTime LeeFecha(const QString& s) {
  const bool bHora = s.size() == 19;
  if (s.size() != 10 && !bHora) return {};
  static const QString CC_sPatron = QStringLiteral("0000-00-00 00:00:00");
  for (qsizetype i = 0; i < s.size(); ++i)
    if (CC_sPatron[i] == QLatin1Char('0') ? !s[i].isDigit() || s[i].unicode() > '9' : s[i] != CC_sPatron[i]) return {};
  auto campo = [&](int nDesde, int nLargo) { return QStringView(s).mid(nDesde, nLargo).toInt(); };
  const QDate fecha(campo(0, 4), campo(5, 2), campo(8, 2));
  const QTime hora = bHora ? QTime(campo(11, 2), campo(14, 2), campo(17, 2)) : QTime(0, 0);
  if (!fecha.isValid() || !hora.isValid()) return {};
  return QDateTime(fecha, hora, Qt::UTC);  // no time zone: the file keeps the wall-clock time as given
}

class TLectorTablas {
 public:
  TLectorTablas(TLectorJson& lector, TEscritorMdb& escritor) : L(lector), F_escritor(escritor) {}

  void Tabla(int nPosicion) {
    if (L.Mira() != '{') L.Error(QStringLiteral("se esperaba un objeto de tabla"));
    std::optional<qsizetype> pNombre, pColumnas, pFilas, pBorradas;
    L.Objeto([&](const QString& sClave) {
      std::optional<qsizetype>* p = sClave == QLatin1String("name")      ? &pNombre
                                    : sClave == QLatin1String("columns") ? &pColumnas
                                    : sClave == QLatin1String("rows")    ? &pFilas
                                    : sClave == QLatin1String("deleted") ? &pBorradas
                                                                         : nullptr;
      if (!p) L.Error(QStringLiteral("miembro desconocido \"%1\" en una tabla").arg(sClave));
      if (*p) L.Error(QStringLiteral("miembro \"%1\" repetido").arg(sClave));
      *p = L.Posicion();
      L.Salta();
    });
    const qsizetype nFin = L.Posicion();
    if (!pNombre)
      throw EErrorMdb(QStringLiteral("La tabla %1 de \"tables\" no tiene \"name\"").arg(nPosicion).toStdString());
    L.Situa(*pNombre);
    if (L.Mira() != '"') L.Error(QStringLiteral("\"name\" debe ser un texto"));
    F_sTabla = L.Cadena();
    if (!pColumnas) throw ErrorEn(F_sTabla, -1, {}, QStringLiteral("falta \"columns\""));
    L.Situa(*pColumnas);
    Columnas();
    std::vector<qint64> borradas;
    if (pBorradas) {
      L.Situa(*pBorradas);
      borradas = Borradas();
    }
    F_escritor.IniciaTabla(F_sTabla, F_columnas);
    qint64 nFila = 0;
    if (pFilas) {
      L.Situa(*pFilas);
      auto pBorrada = borradas.begin();
      L.Arreglo([&] {
        const bool bBorrada = pBorrada != borradas.end() && *pBorrada == nFila;
        if (bBorrada) ++pBorrada;
        Fila(nFila);
        F_escritor.AgregaFila(F_valores, bBorrada);
        ++nFila;
      });
    }
    if (!borradas.empty() && borradas.back() >= nFila)
      throw ErrorEn(F_sTabla, -1, {},
                    QStringLiteral("\"deleted\" nombra la fila %1, que no existe (la tabla tiene %2 filas)")
                        .arg(borradas.back())
                        .arg(nFila));
    F_escritor.TerminaTabla();
    L.Situa(nFin);
  }

 private:
  void Columnas() {
    F_columnas.clear();
    L.Arreglo([&] {
      std::optional<QString> sNombre, sTipo;
      std::optional<qint64> nTamano, nPrecision, nEscala;
      if (L.Mira() != '{') L.Error(QStringLiteral("se esperaba un objeto de columna"));
      L.Objeto([&](const QString& sClave) {
        std::optional<qint64>* pNumero = sClave == QLatin1String("size")        ? &nTamano
                                         : sClave == QLatin1String("precision") ? &nPrecision
                                         : sClave == QLatin1String("scale")     ? &nEscala
                                                                                : nullptr;
        if (pNumero) {
          if (L.Mira() == '"' || L.Mira() == '{' || L.Mira() == '[')
            L.Error(QStringLiteral("\"%1\" debe ser un número").arg(sClave));
          qint64 n = 0;
          if (EnteroEscalado(L.Numero(), 0, n) != TLecturaEntera::Exacta)
            L.Error(QStringLiteral("\"%1\" debe ser un entero").arg(sClave));
          *pNumero = n;
          return;
        }
        std::optional<QString>* p = sClave == QLatin1String("name")   ? &sNombre
                                    : sClave == QLatin1String("type") ? &sTipo
                                                                      : nullptr;
        if (!p) L.Error(QStringLiteral("miembro desconocido \"%1\" en una columna").arg(sClave));
        if (L.Mira() != '"') L.Error(QStringLiteral("\"%1\" debe ser un texto").arg(sClave));
        *p = L.Cadena();
      });
      if (!sNombre)
        throw ErrorEn(F_sTabla, -1, {}, QStringLiteral("la columna %1 no tiene \"name\"").arg(F_columnas.size()));
      if (!sTipo) throw ErrorEn(F_sTabla, -1, *sNombre, QStringLiteral("falta \"type\""));
      const auto pTipo = std::find_if(std::begin(CC_tipos), std::end(CC_tipos),
                                      [&](const TTipoJson& t) { return *sTipo == QLatin1String(t.sNombre); });
      if (pTipo == std::end(CC_tipos))
        throw ErrorEn(F_sTabla, -1, *sNombre, QStringLiteral("tipo desconocido \"%1\"").arg(*sTipo));
      TColumna c{*sNombre, pTipo->tipo};
      if (nTamano) {
        if (c.tipo != TTipo::Text)
          throw ErrorEn(F_sTabla, -1, *sNombre, QStringLiteral("\"size\" solo se admite en columnas Text"));
        c.nTamano = int(std::clamp<qint64>(*nTamano, INT_MIN, INT_MAX));  // the writer checks the range
      }
      if ((nPrecision || nEscala) && c.tipo != TTipo::Decimal)
        throw ErrorEn(F_sTabla, -1, *sNombre, QStringLiteral("\"precision\" y \"scale\" solo se admiten en columnas Decimal"));
      if (nPrecision) c.nPrecision = int(std::clamp<qint64>(*nPrecision, -1, 1000));  // the writer checks the range
      if (nEscala) c.nEscala = int(std::clamp<qint64>(*nEscala, -1, 1000));
      F_columnas.append(c);
    });
  }

  std::vector<qint64> Borradas() {
    std::vector<qint64> borradas;
    L.Arreglo([&] {
      qint64 n = -1;
      const char c = L.Mira();
      if (c == '"' || c == '{' || c == '[' || c == 't' || c == 'f' || c == 'n' ||
          EnteroEscalado(L.Numero(), 0, n) != TLecturaEntera::Exacta || n < 0)
        L.Error(QStringLiteral("\"deleted\" lleva posiciones de fila (enteros desde 0)"));
      borradas.push_back(n);
    });
    std::sort(borradas.begin(), borradas.end());
    borradas.erase(std::unique(borradas.begin(), borradas.end()), borradas.end());
    return borradas;
  }

  void Fila(qint64 nFila) {
    if (L.Mira() != '[') throw ErrorEn(F_sTabla, nFila, {}, QStringLiteral("la fila debe ser un arreglo de valores"));
    F_valores.clear();
    L.Arreglo([&] {
      const qsizetype i = qsizetype(F_valores.size());
      if (i >= F_columnas.size()) {  // the writer reports the count
        L.Salta();
        F_valores.emplace_back();
        return;
      }
      F_valores.push_back(Valor(nFila, F_columnas[i]));
    });
  }

  TValor Valor(qint64 nFila, const TColumna& c) {
    auto error = [&](const QString& s) { return ErrorEn(F_sTabla, nFila, c.sNombre, s); };
    switch (L.Mira()) {
      case '{':
      case '[':
        throw error(QStringLiteral("un arreglo u objeto no es un valor"));
      case '"': {
        const QString s = L.Cadena();
        if (c.tipo != TTipo::DateTime) return s;
        const QDateTime fecha = LeeFecha(s);
        if (!fecha.isValid())
          throw error(QStringLiteral("fecha no válida \"%1\" (se espera AAAA-MM-DD o AAAA-MM-DD HH:MM:SS)").arg(s));
        return fecha;
      }
      case 'n':
        if (L.Literal("null")) return std::monostate{};
        break;
      case 't':
        if (L.Literal("true")) return true;
        break;
      case 'f':
        if (L.Literal("false")) return false;
        break;
      default:
        break;
    }
    const QByteArrayView sNumero = L.Numero();
    const quint8 nCodigo = jet::CodigoDe(c.tipo);
    qint64 n = 0;
    switch (c.tipo) {
      case TTipo::Byte:
      case TTipo::Integer:
      case TTipo::Long:
      case TTipo::Currency: {
        const bool bMoneda = c.tipo == TTipo::Currency;
        switch (EnteroEscalado(sNumero, bMoneda ? 4 : 0, n)) {
          case TLecturaEntera::Exacta:
            return bMoneda ? TValor(TMoneda{n}) : TValor(n);
          case TLecturaEntera::Desborda:
            throw error(jet::FueraDeRango(nCodigo, sNumero.toByteArray()));
          case TLecturaEntera::NoEntera:
            if (bMoneda) throw error(QStringLiteral("Currency admite como máximo cuatro decimales"));
            break;
        }
        break;
      }
      case TTipo::Decimal: {
        TDecimal d{};
        switch (DecimalEscalado(sNumero, c.nEscala, c.nPrecision, d.bNegativo, d.nEntero)) {
          case TLecturaEntera::Exacta: return d;
          case TLecturaEntera::Desborda:
            throw error(QStringLiteral("el valor %1 no cabe en Decimal(%2, %3)")
                            .arg(QString::fromLatin1(sNumero.toByteArray()))
                            .arg(c.nPrecision)
                            .arg(c.nEscala));
          case TLecturaEntera::NoEntera:
            throw error(QStringLiteral("Decimal(%1, %2) admite como máximo %2 decimales").arg(c.nPrecision).arg(c.nEscala));
        }
        break;
      }
      default:
        break;
    }
    return sNumero.toByteArray().toDouble();  // the writer refuses it where a number does not belong
  }

  TLectorJson& L;
  TEscritorMdb& F_escritor;
  QString F_sTabla;
  QList<TColumna> F_columnas;
  std::vector<TValor> F_valores;
};

void Escribe(const QByteArray& json, const QString& sRuta) {
  TLectorJson L(json);
  if (L.Mira() != '{') L.Error(QStringLiteral("se esperaba un objeto"));
  std::optional<qsizetype> pPassword, pTablas;
  L.Objeto([&](const QString& sClave) {
    std::optional<qsizetype>* p = sClave == QLatin1String("password") ? &pPassword
                                  : sClave == QLatin1String("tables") ? &pTablas
                                                                      : nullptr;
    if (!p) L.Error(QStringLiteral("miembro desconocido \"%1\"").arg(sClave));
    if (*p) L.Error(QStringLiteral("miembro \"%1\" repetido").arg(sClave));
    *p = L.Posicion();
    L.Salta();
  });
  L.Fin();
  QString sPassword;
  if (pPassword) {
    L.Situa(*pPassword);
    if (L.Mira() != '"') L.Error(QStringLiteral("\"password\" debe ser un texto"));
    sPassword = L.Cadena();
    if (sPassword.isEmpty()) throw EErrorMdb("La contraseña está vacía");
  }
  if (!pTablas) throw EErrorMdb("Falta \"tables\"");
  L.Situa(*pTablas);
  if (L.Mira() != '[') L.Error(QStringLiteral("\"tables\" debe ser un arreglo"));
  TEscritorMdb escritor(sRuta, sPassword);
  TLectorTablas tablas(L, escritor);
  int nTabla = 0;
  L.Arreglo([&] { tablas.Tabla(nTabla++); });
  escritor.Termina();
}

}  // namespace

void EscribeDesdeJson(const QByteArray& json, const QString& sRuta) {
  try {
    Escribe(json, sRuta);
  } catch (const EErrorMdb&) {
    QFile::remove(sRuta);  // refused input leaves no file, not even an older one
    throw;
  }
}

}  // namespace mdbgen
