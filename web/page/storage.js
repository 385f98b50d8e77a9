// What the page keeps between visits, in the browser's storage. Where the browser refuses it (site
// data blocked, or the storage full) the page works all the same: nothing is kept, and a write
// says so to its caller.

export function kept(key) {
  try {
    return localStorage.getItem(key);
  } catch {
    return null;
  }
}

// True when the browser kept it.
export function keep(key, value) {
  try {
    localStorage.setItem(key, value);
    return true;
  } catch {
    return false;
  }
}

// False where the browser keeps nothing at all for the page.
export function usable() {
  const probe = 'vemrik.probe';
  const works = keep(probe, '');
  forget(probe);
  return works;
}

export function forget(key) {
  try {
    localStorage.removeItem(key);
  } catch {
    // nothing was kept
  }
}
