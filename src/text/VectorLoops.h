#pragma once

// Marks a hot loop to be built twice, plainly and for AVX2; the best the
// machine has is taken when the program starts. Not under ThreadSanitizer:
// the clones' resolvers run, instrumented, before its runtime has started.
#if defined(__SANITIZE_THREAD__)
#define VERIGLYPH_UNDER_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define VERIGLYPH_UNDER_TSAN 1
#endif
#endif
#ifdef VERIGLYPH_UNDER_TSAN
#define VERIGLYPH_VECTOR_LOOP
#else
#define VERIGLYPH_VECTOR_LOOP __attribute__((target_clones("avx2", "default")))
#endif
