#include "workbook/variant.h"

#include <gtest/gtest.h>
