# The fuzzers, one line each: tymba_fuzzer(NAME LIBRARY...) builds fuzz/NAME.cpp
# on the project's libraries; its seed inputs are in fuzz/corpus/NAME/.
tymba_fuzzer(settings_text storage)
tymba_fuzzer(settings_store storage)
tymba_fuzzer(text_decoding core)
tymba_fuzzer(alignment core)
tymba_fuzzer(grading grading)
tymba_fuzzer(wav_decoding storage)
