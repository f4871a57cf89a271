#!/usr/bin/env bash
# Builds the autosave tests (the core, the autosaver and the recovery files) with clang's
# ThreadSanitizer and runs those that read and change a catalogue from two threads. Qt itself
# is not instrumented: the reports of Qt Test's own watchdog thread are suppressed. The tests
# that start copies of themselves are left out (the sanitizer does not follow Qt's way of
# starting processes).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages clang libclang-rt-14-dev qt6-base-dev

out=${1:-build-tsan}
mkdir -p "$out"
qt="$(pkg-config --cflags Qt6Core Qt6Test)"
flags="-std=c++20 -g -O1 -fPIC -fsanitize=thread -fno-omit-frame-pointer -I. -Itests -I$out $qt"
moc=/usr/lib/qt6/libexec/moc
$moc $qt -I. app/Autosaver.h -o "$out/moc_Autosaver.cpp"
$moc $qt -I. tests/app/tst_recovery.cpp -o "$out/tst_recovery.moc"
objects=()
for source in $(ls model/*.cpp | grep -v "_win\.cpp$") app/Autosaver.cpp app/RecoveryFiles.cpp "$out/moc_Autosaver.cpp" tests/app/tst_recovery.cpp; do
    object="$out/$(basename "$source" .cpp).o"
    clang++ $flags -c "$source" -o "$object"
    objects+=("$object")
done
clang++ -fsanitize=thread "${objects[@]}" -o "$out/tst_recovery" $(pkg-config --libs Qt6Core Qt6Test)

printf 'race:QWaitCondition\nrace:QTest::qRun\n' >"$out/qt.supp"
QT_QPA_PLATFORM=offscreen TSAN_OPTIONS="halt_on_error=1 exitcode=66 suppressions=$PWD/$out/qt.supp" \
    "$out/tst_recovery" aSavedDocumentLeavesNoRecoveryFile aFailingDiskKeepsTheOldRecoveryFileAndSaysNothing \
    aChangeStopsAnAutosaveUnderWayAndKeepsTheLastFile changesWhileAutosavesRunLeaveAWholeLastFile \
    stallOfALargeCatalogueIsLogged
