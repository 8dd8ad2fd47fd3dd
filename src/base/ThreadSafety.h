#pragma once

// Annotations for clang's thread-safety analysis (-Wthread-safety): they
// say which capability (a mutex, or the role of a thread) guards a piece of
// state or must be held to call a function, and clang checks every use at
// compile time. Other compilers see nothing. CI builds the game with clang
// and -Wthread-safety -Werror (.ci/run).
//
//   CAPABILITY(name)         a class whose objects are capabilities ("mutex", "role")
//   SCOPED_CAPABILITY        a class that holds a capability for its lifetime
//   GUARDED_BY(c)            a member read or written only while holding c
//   REQUIRES(c...)           a function called only while holding c
//   EXCLUDES(c...)           a function called only while not holding c
//   ACQUIRE / RELEASE        a function that takes or gives back a capability
//   ASSERT_CAPABILITY(c...)  a function after whose call c counts as held
//                            (where a thread is entered, or a check that it is)
//   RETURN_CAPABILITY(c)     a function that returns a reference to c
//
// A capability held by virtue of a function's annotation is not passed into
// the lambdas it makes: a lambda runs wherever it is called, so it states
// where that is itself (ThreadRole::Assert).

#if defined(__clang__)
#define ZQ_THREAD_ANNOTATION(x) __attribute__((x))
#else
#define ZQ_THREAD_ANNOTATION(x)
#endif

#define CAPABILITY(name) ZQ_THREAD_ANNOTATION(capability(name))
#define SCOPED_CAPABILITY ZQ_THREAD_ANNOTATION(scoped_lockable)
#define GUARDED_BY(c) ZQ_THREAD_ANNOTATION(guarded_by(c))
#define REQUIRES(...) ZQ_THREAD_ANNOTATION(requires_capability(__VA_ARGS__))
#define EXCLUDES(...) ZQ_THREAD_ANNOTATION(locks_excluded(__VA_ARGS__))
#define ACQUIRE(...) ZQ_THREAD_ANNOTATION(acquire_capability(__VA_ARGS__))
#define RELEASE(...) ZQ_THREAD_ANNOTATION(release_capability(__VA_ARGS__))
#define ASSERT_CAPABILITY(...) ZQ_THREAD_ANNOTATION(assert_capability(__VA_ARGS__))
#define RETURN_CAPABILITY(c) ZQ_THREAD_ANNOTATION(lock_returned(c))
