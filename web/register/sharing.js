// Sharing the register between a winery's devices, with no browser in
// sight: which server addresses a password may be sent to, what a server's
// answers say, and which of a tank's versions edited apart to show.

// Where the sync settings are kept on the device (the password only when
// the user asks), and the last time the register was in step with the
// server.
export const SYNC_KEY = 'korvane.sync';
export const SYNCED_KEY = 'korvane.sync.synced';

// Plain HTTP carries a password in clear, and a page served over HTTPS may
// not call it at all: only to this very machine.
const LOCAL_HOSTS = new Set(['localhost', '127.0.0.1', '[::1]']);

// The server's address as typed, as { url } without a trailing slash, or
// { problem }: 'address' (not one), 'plain' (http:// to another machine),
// 'credentials' (a name or password in it, which would then travel in
// every address the page asks for).
export function serverAddress(text) {
  let url;
  try {
    url = new URL(String(text ?? '').trim());
  } catch {
    return { problem: 'address' };
  }
  if (url.protocol !== 'https:' && url.protocol !== 'http:') return { problem: 'address' };
  if (url.username || url.password) return { problem: 'credentials' };
  if (url.protocol === 'http:' && !LOCAL_HOSTS.has(url.hostname)) return { problem: 'plain' };
  if (url.search || url.hash) return { problem: 'address' };
  return { url: url.href.replace(/\/+$/, '') };
}

// A database name CouchDB accepts.
export const databaseName = (text) => /^[a-z][a-z0-9_$()+/-]*$/.test(text);

// What the server's answer to GET /_session with the account's credentials
// says: 'ok', 'password' (name or password refused; a server that took no
// notice of them names nobody), or 'server' for anything else.
export function sessionOutcome(status, body) {
  if (status === 401 || status === 403) return 'password';
  if (status < 200 || status >= 300) return 'server';
  return body?.userCtx?.name ? 'ok' : 'password';
}

// The database's answer, once the account is known good: 'ok', 'missing',
// 'refused' (some servers answer 401 for this too, hence the session first)
// or 'server'.
export function databaseOutcome(status) {
  if (status >= 200 && status < 300) return 'ok';
  if (status === 404) return 'missing';
  if (status === 401 || status === 403) return 'refused';
  return 'server';
}

// The Authorization header of an account: the credentials go there, never
// into an address.
export const basicAuthorization = (name, password) =>
  `Basic ${btoa(String.fromCharCode(...new TextEncoder().encode(`${name}:${password}`)))}`;

// --- A tank edited on two devices while apart ---------------------------------------

// The fields a dose is worked out on.
export const DOSE_FIELDS = ['volume', 'unit', 'target_kind', 'target'];

// The version to show of a tank's versions (the database's winner and its
// conflicting revisions): the one edited last by the clock of the device
// that saved it. The database picks its winner by revision, which says
// nothing of time; the revision breaks a tie so every device shows the same.
export function latestVersion(versions) {
  return [...versions].sort((a, b) => (String(b.edited ?? '') > String(a.edited ?? '') ? 1
    : String(b.edited ?? '') < String(a.edited ?? '') ? -1 : b._rev > a._rev ? 1 : -1))[0] ?? null;
}

// The fields (of `fields`) on which a tank's versions disagree.
export function differingFields(versions, fields) {
  const text = (v) => (v === undefined || v === null ? '' : String(v));
  return fields.filter((name) => new Set(versions.map((v) => text(v[name]))).size > 1);
}

// The documents that settle a conflict: the chosen version written again
// over its own revision, the others deleted. Their revisions stay in the
// document's history; the chosen one is stamped as edited now, so a device
// still holding an older edit sees it as older.
export function resolution(chosen, versions, now = new Date()) {
  const { _conflicts: _, ...kept } = chosen;
  return [{ ...kept, edited: now.toISOString() },
    ...versions.filter((v) => v._rev !== chosen._rev).map((v) => ({ _id: v._id, _rev: v._rev, _deleted: true }))];
}
