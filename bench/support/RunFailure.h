#pragma once

// A window benchmark whose measurement could not be made (a real service it
// needs heard nothing, for example) fails the whole run, so that the run of
// ./test that executes it once fails too. Google Benchmark reports an error
// of one benchmark but still ends with success.
namespace zq::bench {

// The run ends with a failure code.
void FailTheRun();
// Whether a benchmark has failed the run.
bool RunFailed();

}  // namespace zq::bench
