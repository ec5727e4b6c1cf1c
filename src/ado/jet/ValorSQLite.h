#pragma once

#include <QByteArray>
#include <optional>

struct sqlite3;
struct sqlite3_context;
struct sqlite3_value;

namespace ado::jet {

class TRegional;

// Helpers of the SQLite functions that carry Jet's rules.

inline constexpr const char* CC_TIPOS_NO_COINCIDEN = "No coinciden los tipos de datos en la expresión de criterios.";
inline constexpr const char* CC_DESBORDAMIENTO = "Desbordamiento.";
inline constexpr const char* CC_DIVISION_POR_CERO = "División por cero.";
inline constexpr const char* CC_ARGUMENTO_NO_VALIDO = "Argumento o llamada a procedimiento no válidos.";

QByteArray Texto(sqlite3_value* v);
// Jet writes a number as text with up to 15 significant digits.
QByteArray NumeroComoTexto(sqlite3_value* v);
QByteArray ComoTexto(sqlite3_value* v);

// A number, or a text that reads wholly as one; nullopt for other text.
struct TNumero {
  bool bEntero;
  qint64 n;
  double d;
};
std::optional<TNumero> Numero(sqlite3_value* v);

bool AlgunoNulo(int argc, sqlite3_value** argv);
void ResultadoTexto(sqlite3_context* ctx, const QByteArray& s);

// Currency as a count of ten-thousandths (its form in SQLite: ExactoJet.h): its text with
// four decimals, the double nearest it, and a number's count rounded to the nearest.
QByteArray DecimalComoTexto(__int128 nDiezmilesimas);
double DobleDeDiezmilesimas(__int128 nDiezmilesimas);
__int128 DiezmilesimasDe(const TNumero& numero);

using TFuncionSQLite = void (*)(sqlite3_context*, int, sqlite3_value**);
// Registers a scalar function (deterministic unless it reads the clock) (nArgumentos -1: any number); with regional, the
// function reads a copy of it through sqlite3_user_data. Throws EErrorADO.
void RegistraFuncion(sqlite3* db, const char* sNombre, int nArgumentos, TFuncionSQLite Funcion,
                     const TRegional* regional = nullptr, bool bDeterminista = true);
const TRegional& RegionalDe(sqlite3_context* ctx);
// Throws EErrorADO when a registration failed.
void VerificaRegistro(sqlite3* db, int nResultado);

}  // namespace ado::jet
