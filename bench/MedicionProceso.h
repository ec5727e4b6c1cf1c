#pragma once

#include <QElapsedTimer>

// Wall time and peak resident memory of one phase of this process.
class TMedicion {
 public:
  TMedicion();  // starts the clock and resets the peak
  double Segundos() const;
  double PicoMB() const;  // peak resident memory since the start, in MiB

 private:
  QElapsedTimer F_reloj;
};
