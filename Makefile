# The two commands of the README: `make run` and `make test`.
# Both install whatever Debian packages are missing first (scripts/install-deps).

BUILD      ?= build
BUILD_SAN  ?= build-sanitize
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_ARGS ?=
XVFB       := xvfb-run -a -s "-screen 0 1280x1024x24"

# CI treats warnings in our own code as errors.
ifeq ($(CI),true)
CMAKE_ARGS += -DTREVALIA_WERROR=ON
endif

.PHONY: all build deps run test test-sanitize clean

all: build

build:
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS)

deps:
	./scripts/install-deps

# The game reads imagens/ from its working directory, so it starts from build/.
run:
	$(MAKE) deps
	$(MAKE) build
	cd $(BUILD) && ./trevalia

# Every test, under a virtual display: unit tests and the end-to-end games, then
# the unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
test:
	$(MAKE) deps
	$(MAKE) build
	cd $(BUILD) && $(XVFB) ctest --output-on-failure
	$(MAKE) test-sanitize

test-sanitize:
	cmake -S . -B $(BUILD_SAN) -DTREVALIA_SANITIZE=ON $(CMAKE_ARGS)
	cmake --build $(BUILD_SAN) -j $(JOBS)
	cd $(BUILD_SAN) && $(XVFB) ctest --output-on-failure -L unit

clean:
	rm -rf $(BUILD) $(BUILD_SAN)
