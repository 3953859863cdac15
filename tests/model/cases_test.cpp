#include <gtest/gtest.h>

#include "support/case_runner.h"

KESTAL_CASE_FILES(ModelCases, "model");
