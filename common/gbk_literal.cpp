#include "common/gbk_literal.h"
