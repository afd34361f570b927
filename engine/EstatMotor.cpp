#include "engine/EstatMotor.h"

TEstatMotor EstatMotor;
